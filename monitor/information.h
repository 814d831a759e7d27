// The information block of a monitor data file ("DINF" chunk): a tree of length-prefixed items.
// The parser fills the records below; conversion reads only the variant, the time-stamp mode
// and, for variant 29, the recording start.
#pragma once

#include <cstdint>

namespace monitor {

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
    // (the helper adds the stored records: time leaf, bus settings, settings items...)
};

struct Information27 {
    Identification id;
    int timeStampMode = 0;
    // (the helper adds the stored records)
};

int32_t readIdentification(const uint8_t* payload, uint32_t length, Identification& id);
int32_t parseInformation27(const uint8_t* payload, uint32_t length, Information27& info);
int32_t parseInformation29(const uint8_t* payload, uint32_t length, Information29& info);

}  // namespace monitor
