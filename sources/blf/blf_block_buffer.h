// The bytes of a .blf file a block at a time: the reader looks at a few bytes ahead (a header)
// before it takes them, and hands the bytes of uncompressed containers on in place. Bytes handed
// out stay where they are until the next fill().
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "sources/byte_input.h"

namespace sources::blf {

class BlockBuffer {
public:
    static constexpr size_t kBlockSize = 1 << 20;

    explicit BlockBuffer(ByteInput& input);
    bool allocated() const { return block_ != nullptr; }
    // The input's first byte lies at byte `offset` of the file (an input of one stretch of it);
    // before the first fill.
    void startAt(uint64_t offset) { consumedBefore_ = offset; }

    // At least `count` bytes (up to kBlockSize) at data(), unless the input ends (or fails)
    // first: false then, with the bytes there were.
    bool fill(size_t count);
    const uint8_t* data() const { return block_.get() + begin_; }
    size_t available() const { return end_ - begin_; }
    void consume(size_t count) { begin_ += count; }
    // `count` bytes to `out`, from the block, then straight from the input: how many came.
    size_t take(uint8_t* out, size_t count);
    // Passes over `count` bytes: how many there were.
    uint64_t skip(uint64_t count);
    // Where data() lies in the file.
    uint64_t offset() const { return consumedBefore_ + begin_; }

private:
    ByteInput& input_;
    std::unique_ptr<uint8_t[]> block_;
    size_t begin_ = 0;
    size_t end_ = 0;
    uint64_t consumedBefore_ = 0;  // file bytes before the block's first byte
};

}  // namespace sources::blf
