// The lines of a CSV table: one line at a time is built in place in the output's block buffer
// and ended with the chosen line end; the first error is kept and ends the file's conversion.
#pragma once

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "output/block_output.h"
#include "output/small_copy.h"
#include "tables/table_options.h"

namespace csv {

class LineWriter {
public:
    // Bytes of the line buffer; a line holds at most one byte less, the rest is cut silently.
    static constexpr size_t kLineCapacity = 1048832;
    // Finished lines are written once they fill this much; the buffer holds a whole line beyond.
    static constexpr size_t kFlushThreshold = 1u << 20;
    // Bytes of the delimiter in the output's encoding, terminator included.
    static constexpr size_t kDelimiterCapacity = 64;

    LineWriter() : output_(kFlushThreshold, kLineCapacity + 2) {}
    ~LineWriter() { closeOutput(); }
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    // Line end, byte order mark and the delimiter's bytes from the options.
    void configureWriter(const tables::ConversionOptions& options);
    // Starts the file. Its bytes go to a new file beside `path`, which replaces `path` only when
    // closeOutput finds everything written. 0, or 0xA0070000 + errno (0x8007000E without a
    // buffer); a folder or a read-only file in the output's place fails here.
    int32_t openOutput(const std::filesystem::path& path);
    // Starts a part of a file written by several workers (no byte order mark): full blocks go to
    // `target`.
    int32_t openPart(output::BlockHandOff& target);
    // Writes a block of a part straight out, after the lines written (none may be half built).
    void writeBlock(const char* bytes, size_t count) { output_.writeBlock(bytes, count); }

    void appendText(std::string_view text) { appendBytes(text.data(), text.size()); }
    void appendBytes(const char* bytes, size_t count) {
        if (!output_.isOpen() || count == 0) return;
        const size_t room = kLineCapacity - 1 - length_;
        if (count > room) count = room;
        output::copySmall(output_.tail() + length_, bytes, count);
        length_ += count;
    }
    void appendDelimiter() { appendBytes(delimiter_, delimiterLength_); }
    // The delimiter in the output's encoding, for callers that build parts of lines ahead.
    std::string_view delimiterBytes() const { return {delimiter_, delimiterLength_}; }
    // Writes the line without its trailing spaces, then the line end; starts a new line.
    void endLine();
    // Where a line of at most `bytes` bytes can be written in one go, or nullptr when it could
    // be cut or the file is not writable (the line is then built with appendText). The line is
    // ended with endLineAt; bytes between the line's end and `bytes` may be overwritten.
    char* lineSpace(size_t bytes) {
        if (result() != 0 || length_ != 0 || bytes > kLineCapacity - 1 || !output_.isOpen()) {
            return nullptr;
        }
        return output_.tail();
    }
    // Ends the line that lineSpace gave room for at `end`, as endLine ends a line.
    void endLineAt(char* end) { endLinesAt(finishLine(output_.tail(), end)); }
    // Several lines in one go: lineSpace(bytes) gives room for all of them, each line is ended
    // with finishLine (which returns where the next one starts) and all with endLinesAt.
    char* finishLine(char* line, char* end) const {
        while (end > line && end[-1] == ' ') --end;
        std::memcpy(end, lineEnd_, sizeof lineEnd_);  // the line's room has these two bytes
        return end + lineEndLength_;
    }
    void endLinesAt(char* end) {
        output_.advance(static_cast<size_t>(end - output_.tail()));
        output_.flushIfFull();
    }
    // Writes what is buffered and closes the file; when all went well the new file replaces the
    // output, otherwise it is removed and the old output stays. Returns result(): a failed
    // final write (a full disk) is reported here at the latest.
    int32_t closeOutput();

    // 0 while all is well, otherwise the first error since openOutput.
    int32_t result() const { return output_.result(); }
    // Records an error found outside the writer (data it cannot convert); the first one stays.
    void setError(int32_t code) { output_.fail(code); }
    bool isOpen() const { return output_.isOpen(); }

private:
    friend class LineCursor;

    output::BlockOutput output_;
    size_t length_ = 0;  // of the line being built, at the output's tail
    char lineEnd_[2] = {'\r', '\n'};
    size_t lineEndLength_ = 2;
    bool bom_ = false;
    char delimiter_[kDelimiterCapacity] = {','};
    size_t delimiterLength_ = 1;
};

// Appends to the writer's current line with the write position in a local variable: the hot
// path of the conversion writes millions of short columns, and a position kept in the writer
// would be reloaded after every byte written. Commit before the writer is used again.
class LineCursor {
public:
    explicit LineCursor(LineWriter& writer)
        : writer_(writer),
          begin_(writer.isOpen() ? writer.output_.tail() : nullptr),
          position_(begin_ ? begin_ + writer.length_ : nullptr),
          limit_(begin_ ? begin_ + LineWriter::kLineCapacity - 1 : nullptr) {}

    [[gnu::always_inline]] void put(std::string_view text) {
        size_t count = text.size();
        const auto room = static_cast<size_t>(limit_ - position_);
        if (count > room) count = room;
        output::copySmall(position_, text.data(), count);
        position_ += count;
    }
    // A column by the delimiter rule: the delimiter first when a column came before it.
    [[gnu::always_inline]] void column(std::string_view text, std::string_view delimiter,
                                       bool& pending) {
        if (pending) put(delimiter);
        put(text);
        pending = true;
    }
    void commit() {
        if (begin_ != nullptr) writer_.length_ = static_cast<size_t>(position_ - begin_);
    }

private:
    LineWriter& writer_;
    char* begin_;
    char* position_;
    char* limit_;
};

}  // namespace csv
