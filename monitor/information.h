// The information block of a monitor data file ("DINF" chunk): a tree of length-prefixed items.
// The parser fills the records below; conversion reads only the variant, the time-stamp mode
// and, for variant 29, the recording start.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace monitor {

class CaptureBytes;

// A stored leaf: its size field (capacity + 4) and the payload bytes the file supplied; what a
// shorter item lacks keeps the record's default.
template <size_t Capacity>
struct LeafRecord {
    uint32_t size = Capacity + 4;
    std::array<uint8_t, Capacity> bytes{};
};

// The first four elements of an array leaf; the element count itself is not kept.
template <size_t ElementSize>
struct ArrayRecord {
    std::array<uint8_t, 4 * ElementSize> bytes{};
};

struct Identification {
    uint8_t markA = 0;
    uint8_t markB = 0;
    int subKind = 0;
    int variantCode = 0;
};

// Filled by the parsers; the stored settings that nothing reads are kept as raw bytes.
struct Information29 {
    Identification id;
    int timeStampMode = 0;
    int64_t startSeconds = 0;
    int64_t startNanoseconds = 0;
    LeafRecord<4> kind;
    LeafRecord<8> time;
    LeafRecord<92> busSettings;  // two channel records of 44 bytes after four leading bytes
    LeafRecord<4> subKindLeaf;   // present for sub-kind 4 only
    LeafRecord<8> trailer;
    LeafRecord<68> settings1;
    LeafRecord<84> settings2;  // payload bytes 52-67 hold the recording start
    LeafRecord<8> settings3;
    ArrayRecord<16> settings4;
    ArrayRecord<12> settings5;
};

struct Information27 {
    Identification id;
    int timeStampMode = 0;
    LeafRecord<4> kind;
    LeafRecord<8> time;
    LeafRecord<1020> setup;
    int optionCount = 0;  // mark byte B of the option group
    LeafRecord<152> options;
    uint8_t extraMark = 0;  // mark byte B of the extra group
    LeafRecord<12> extra;
    LeafRecord<4> settings1;
    LeafRecord<84> settings2;
    LeafRecord<8> settings3;
    ArrayRecord<16> settings4;
    ArrayRecord<12> settings5;
};

// The record defaults of a variant-29 block before any item is read.
Information29 defaultInformation29();

// The parsers read the block of `length` bytes from `offset` of a capture's bytes. A read
// failure reads as zeros; the caller finds it in bytes.error().
//
// Reads the block length, the identification item's head and its kind leaf: mark bytes,
// sub-kind and variant code, all 0 when the block is too short to carry them. Checks neither
// value. 0 or 0x8007000D.
int32_t readIdentification(const CaptureBytes& bytes, uint64_t offset, uint32_t length,
                           Identification& id);

// Parse the whole block into the variant's record, starting from the defaults. 0 or 0x8007000D.
int32_t parseInformation27(const CaptureBytes& bytes, uint64_t offset, uint32_t length,
                           Information27& info);
int32_t parseInformation29(const CaptureBytes& bytes, uint64_t offset, uint32_t length,
                           Information29& info);

// The same over a block in memory.
int32_t readIdentification(const uint8_t* payload, uint32_t length, Identification& id);
int32_t parseInformation27(const uint8_t* payload, uint32_t length, Information27& info);
int32_t parseInformation29(const uint8_t* payload, uint32_t length, Information29& info);

}  // namespace monitor
