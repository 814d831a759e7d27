#include "sources/blf/blf_block_buffer.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace sources::blf {

BlockBuffer::BlockBuffer(ByteInput& input)
    : input_(input), block_(new (std::nothrow) uint8_t[kBlockSize]) {}

bool BlockBuffer::fill(size_t count) {
    if (available() >= count) return true;
    if (block_ == nullptr) return false;
    if (begin_ != 0) {
        std::memmove(block_.get(), block_.get() + begin_, end_ - begin_);
        consumedBefore_ += begin_;
        end_ -= begin_;
        begin_ = 0;
    }
    while (end_ < count) {
        const size_t got = input_.read({block_.get() + end_, kBlockSize - end_});
        if (got == 0) return false;
        end_ += got;
    }
    return true;
}

size_t BlockBuffer::take(uint8_t* out, size_t count) {
    const size_t here = std::min(count, available());
    if (here != 0) std::memcpy(out, data(), here);
    consume(here);
    if (here == count) return count;
    // The block is empty: the rest comes past it, and the file offset moves on with it.
    const size_t rest = readFully(input_, {out + here, count - here});
    consumedBefore_ += rest;
    return here + rest;
}

uint64_t BlockBuffer::skip(uint64_t count) {
    uint64_t done = 0;
    while (done < count) {
        if (available() == 0 && !fill(1)) break;
        const size_t step = static_cast<size_t>(std::min<uint64_t>(count - done, available()));
        consume(step);
        done += step;
    }
    return done;
}

}  // namespace sources::blf
