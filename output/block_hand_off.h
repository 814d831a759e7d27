// Where the blocks of an output go when several workers write parts of one file: a worker's
// BlockOutput hands each full block on instead of writing it, and gets an empty buffer back. The
// one writer of the file puts the blocks out in the order of the parts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace output {

class BlockHandOff {
public:
    virtual ~BlockHandOff() = default;

    // Takes the first `used` bytes of `block` (a buffer of `capacity` bytes) and leaves an empty
    // buffer of the same capacity in its place; may wait until the writer has room. 0, or why
    // not (the file was given up, no memory): `block` then stays as it was and the output fails.
    virtual int32_t handOff(std::unique_ptr<char[]>& block, size_t used, size_t capacity) = 0;
};

}  // namespace output
