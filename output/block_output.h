// The one buffered output of every sink that writes bytes (the CSV tables and the CAN logs): the
// bytes are put straight into a block buffer and written a block at a time to a new file beside
// the target, which replaces the target only when the output closes without an error
// (ReplacingFile). The first error is kept and ends the file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "output/block_hand_off.h"
#include "output/replacing_file.h"

namespace output {

class BlockOutput {
public:
    static constexpr size_t kBlockBytes = size_t{1} << 20;
    static constexpr size_t kPieceBytes = 4096;

    // A block of `blockBytes`, with room for a piece of `pieceBytes` (a line built in place)
    // beyond it: a piece begun before the block is full always fits.
    explicit BlockOutput(size_t blockBytes = kBlockBytes, size_t pieceBytes = kPieceBytes);
    ~BlockOutput() { abandon(); }
    BlockOutput(const BlockOutput&) = delete;
    BlockOutput& operator=(const BlockOutput&) = delete;

    // 0, or the output's error code (0xA0070000 + errno; 0x8007000E without a buffer); a folder
    // or a read-only file in the target's place fails here, before anything is written.
    int32_t open(const std::filesystem::path& target);
    // Starts a part of a file written by several workers: each full block goes to `target`.
    int32_t openPart(BlockHandOff& target);
    bool isOpen() const { return file_.stream() != nullptr || handOff_ != nullptr; }

    // At least `bytes` (at most the piece size) of buffer to write into, the block written out
    // first when they would not fit in it; advance() keeps them.
    char* room(size_t bytes) {
        if (used_ + bytes > blockBytes_) flush();
        return buffer_.get() + used_;
    }
    // Where the next byte goes in the buffer: a piece of up to the piece size may be built here
    // whenever the block is not full.
    char* tail() { return buffer_.get() + used_; }
    void advance(size_t bytes) { used_ += bytes; }
    // Writes the block out once it is full.
    void flushIfFull() {
        if (used_ >= blockBytes_) flush();
    }
    void write(const void* bytes, size_t count);
    // Writes a whole block of another output (a part written by a worker) straight to the file,
    // after what this output holds.
    void writeBlock(const char* bytes, size_t count);
    // Where the next byte goes, counted from the start of the output.
    uint64_t position() const { return flushed_ + used_; }
    // Writes bytes again at an earlier position (a header whose counts are known at the end).
    // false, without an error, when the output cannot go back (standard output, a pipe).
    bool rewrite(uint64_t offset, const void* bytes, size_t count);

    // 0 while all is well, else the first error.
    int32_t result() const { return result_; }
    void fail(int32_t code) {
        if (result_ == 0) result_ = code;  // 0 keeps all well
    }
    // Writes what is left and moves the new file into place when all went well, else removes
    // it (a part: hands its last block on). The final result.
    int32_t close();
    // Removes the new file; the target stays as it was.
    void abandon();

private:
    // Forgets the output before: 0, or 0x8007000E without a buffer.
    int32_t restart();
    void flush();
    void failWithErrno(int errorNumber);

    ReplacingFile file_;
    BlockHandOff* handOff_ = nullptr;
    size_t blockBytes_;
    size_t capacity_;  // of the buffer: the block and the room for a piece beyond it
    std::unique_ptr<char[]> buffer_;
    size_t used_ = 0;
    uint64_t flushed_ = 0;
    int32_t result_ = 0;
};

}  // namespace output
