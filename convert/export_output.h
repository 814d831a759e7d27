// The output file of a frame export: bytes are put straight into a block buffer and written a
// megabyte at a time to a new file beside the target, which replaces the target only when the
// export closes without an error (ReplacingFile). The first error is kept and ends the export.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "convert/replacing_file.h"

namespace convert {

class ExportOutput {
public:
    static constexpr size_t kBlockBytes = size_t{1} << 20;
    // The most room() gives at once.
    static constexpr size_t kMaxPiece = 4096;

    ExportOutput();
    ~ExportOutput() { abandon(); }
    ExportOutput(const ExportOutput&) = delete;
    ExportOutput& operator=(const ExportOutput&) = delete;

    // 0, or the output's error code (0xA0070000 + errno; 0x8007000E without a buffer).
    int32_t open(const std::filesystem::path& target);

    // At least `bytes` (at most kMaxPiece) of buffer to write into; advance() keeps them.
    char* room(size_t bytes) {
        if (used_ + bytes > kBlockBytes) flush();
        return buffer_.get() + used_;
    }
    void advance(size_t bytes) { used_ += bytes; }
    void write(const void* bytes, size_t count);
    // Where the next byte goes, counted from the start of the output.
    uint64_t position() const { return flushed_ + used_; }
    // Writes bytes again at an earlier position (a header whose counts are known at the end).
    // false, without an error, when the output cannot go back (standard output, a pipe).
    bool rewrite(uint64_t offset, const void* bytes, size_t count);

    // 0 while all is well, else the first error.
    int32_t result() const { return result_; }
    void fail(int32_t code) {
        if (result_ == 0) result_ = code;
    }
    // Writes what is left and moves the new file into place when all went well, else removes
    // it. The final result.
    int32_t close();
    // Removes the new file; the target stays as it was.
    void abandon();

private:
    void flush();
    void failWithErrno(int errorNumber);

    ReplacingFile file_;
    std::unique_ptr<char[]> buffer_;
    size_t used_ = 0;
    uint64_t flushed_ = 0;
    int32_t result_ = 0;
};

}  // namespace convert
