#include "dbc/text_store.h"

namespace dbc {

// A room larger than a quarter block gets a block of its own, so that the current block's rest
// is not given up for it; new blocks are aligned for any element (operator new's alignment).
void* TextStore::allocateInNewBlock(size_t bytes) {
    if (bytes > kBlockBytes / 4) {
        blocks_.push_back(std::make_unique_for_overwrite<std::byte[]>(bytes));
        held_ += bytes;
        return blocks_.back().get();
    }
    blocks_.push_back(std::make_unique_for_overwrite<std::byte[]>(kBlockBytes));
    held_ += kBlockBytes;
    free_ = blocks_.back().get() + bytes;
    left_ = kBlockBytes - bytes;
    return blocks_.back().get();
}

}  // namespace dbc
