// The output file of the conversion in progress: one line at a time is built in a fixed buffer
// and written with the chosen line end; the first error is kept and ends the file's conversion.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string_view>

#include "convert/options.h"

namespace convert {

class OutputWriter {
public:
    // Bytes of the line buffer; a line holds at most one byte less, the rest is cut silently.
    static constexpr size_t kLineCapacity = 1048832;
    // Bytes of the delimiter in the output's encoding, terminator included.
    static constexpr size_t kDelimiterCapacity = 64;

    OutputWriter();
    ~OutputWriter();
    OutputWriter(const OutputWriter&) = delete;
    OutputWriter& operator=(const OutputWriter&) = delete;

    // Line end, byte order mark and the delimiter's bytes from the options.
    void configureWriter(const ConversionOptions& options);
    // Creates (or truncates) the file. 0, or 0xA0070000 + errno (0x8007000E without a buffer).
    int32_t openOutput(const std::filesystem::path& path);

    void appendText(std::string_view text) { appendBytes(text.data(), text.size()); }
    void appendBytes(const char* bytes, size_t count) {
        if (line_ == nullptr || count == 0) return;
        const size_t room = kLineCapacity - 1 - length_;
        if (count > room) count = room;
        std::memcpy(line_.get() + length_, bytes, count);
        length_ += count;
    }
    void appendDelimiter() { appendBytes(delimiter_, delimiterLength_); }
    // Writes the line without its trailing spaces, then the line end; starts a new line.
    void endLine();
    // Writes what is buffered and closes the file. Returns result(): a failed final write (a full
    // disk) is reported here at the latest.
    int32_t closeOutput();

    // 0 while all is well, otherwise the first error since openOutput.
    int32_t result() const { return result_; }
    // Records an error found outside the writer (data it cannot convert); the first one stays.
    void setError(int32_t code) {
        if (result_ == 0) result_ = code;
    }
    bool isOpen() const { return file_ != nullptr; }

private:
    void writeOut(const char* bytes, size_t count);
    bool flushPending();
    void fail(int errorNumber);

    int32_t result_ = 0;
    std::FILE* file_ = nullptr;
    std::unique_ptr<char[]> line_;  // kLineCapacity bytes plus room for the line end
    size_t length_ = 0;
    bool utf8_ = false;
    char lineEnd_[2] = {'\r', '\n'};
    size_t lineEndLength_ = 2;
    bool bom_ = false;
    char delimiter_[kDelimiterCapacity] = {','};
    size_t delimiterLength_ = 1;
    // Lines are gathered here and written in large blocks: far fewer calls than one per line.
    std::unique_ptr<char[]> pending_;
    size_t pendingLength_ = 0;
};

}  // namespace convert
