#include "monitor/information_items.h"

#include <algorithm>
#include <cstring>

#include "monitor/byte_order.h"

namespace monitor {

uint8_t BytePosition::operator[](uint64_t index) const {
    uint8_t byte = 0;
    (*this + index).copyTo(&byte, 1);
    return byte;
}

void BytePosition::copyTo(uint8_t* out, size_t count) const {
    if (!bytes->read(offset, out, count)) std::memset(out, 0, count);
}

uint32_t readLe32(const BytePosition& position) {
    uint8_t bytes[4];
    position.copyTo(bytes, sizeof bytes);
    return readLe32(bytes);
}

ItemStep ItemSequence::next(Item& item) {
    if (available_ < 4) return ItemStep::end;
    const uint32_t length = readLe32(data_);
    // A length below 4 does not even cover itself: taking it as empty could loop or misread.
    if (length > available_ || length < 4) return ItemStep::invalid;
    item = Item{data_, length};
    data_ = data_ + length;
    available_ -= length;
    return ItemStep::item;
}

void copyLeafPayload(const Item& item, uint8_t* bytes, size_t capacity) {
    const size_t stored = std::min<size_t>(item.length - 4, capacity);
    if (stored > 0) (item.data + 4).copyTo(bytes, stored);
}

bool copyArrayElements(const Item& item, uint8_t* bytes, size_t elementSize) {
    if (item.length < 8) return true;
    const uint64_t count = readLe32(item.data + 4);
    const uint64_t total = count * elementSize;
    if (total > item.length - 8u) return false;
    const size_t stored = static_cast<size_t>(std::min<uint64_t>(total, 4 * elementSize));
    if (stored > 0) (item.data + 8).copyTo(bytes, stored);
    return true;
}

bool groupContents(const Item& group, ItemSequence& nested) {
    if (group.length < 8) return false;
    nested = ItemSequence(group.data + 8, group.length - 8);
    return true;
}

ItemStep wrappedItem(const Item& wrapper, Item& nested) {
    ItemSequence inside(wrapper.data + 4, wrapper.length - 4);
    return inside.next(nested);
}

}  // namespace monitor
