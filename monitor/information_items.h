// The four item forms of the information block and the rule for walking a run of items. Every
// item starts with a 4-byte length that counts the item itself; nothing here reads past the
// container an item was found in.
#pragma once

#include <cstddef>
#include <cstdint>

#include "monitor/capture_bytes.h"
#include "monitor/information.h"

namespace monitor {

// A place in the bytes of a capture, read a few bytes at a time wherever the items lead, so a
// block costs no more memory than the items it holds. Reads never fail for the parser: a failed
// read gives zero bytes, and the capture's bytes keep the error for the loader to report.
struct BytePosition {
    const CaptureBytes* bytes = nullptr;
    uint64_t offset = 0;

    BytePosition operator+(uint64_t count) const { return {bytes, offset + count}; }
    uint8_t operator[](uint64_t index) const;
    void copyTo(uint8_t* out, size_t count) const;
};

uint32_t readLe32(const BytePosition& position);

// One item: `length` bytes from `data`, length at least 4 and inside its container.
struct Item {
    BytePosition data;
    uint32_t length = 0;
};

enum class ItemStep { item, end, invalid };

// Walks the items of one container. Fewer than 4 bytes left ends the run (what is missing
// keeps its defaults); a length beyond what is left, or below 4, is invalid.
class ItemSequence {
public:
    ItemSequence(const BytePosition& data, uint32_t available)
        : data_(data), available_(available) {}
    ItemStep next(Item& item);

private:
    BytePosition data_;
    uint32_t available_;
};

// A leaf of capacity C: copies min(length - 4, C) payload bytes, ignores the rest.
void copyLeafPayload(const Item& item, uint8_t* bytes, size_t capacity);

template <size_t Capacity>
void readLeaf(const Item& item, LeafRecord<Capacity>& record) {
    copyLeafPayload(item, record.bytes.data(), Capacity);
}

// An array leaf: length, element count N, N elements. Keeps up to four elements; false when
// the elements do not fit the item. Lengths 4-7 hold no count and store nothing.
bool copyArrayElements(const Item& item, uint8_t* bytes, size_t elementSize);

template <size_t ElementSize>
bool readArray(const Item& item, ArrayRecord<ElementSize>& record) {
    return copyArrayElements(item, record.bytes.data(), ElementSize);
}

// The items nested in a group item from its byte 8 (bytes 6 and 7 are its mark bytes); false
// for a group too short to have a head.
bool groupContents(const Item& group, ItemSequence& nested);

// The one item nested in a wrapper item (its length, then the item). A wrapper of length 4-7
// holds nothing (ItemStep::end).
ItemStep wrappedItem(const Item& wrapper, Item& nested);

}  // namespace monitor
