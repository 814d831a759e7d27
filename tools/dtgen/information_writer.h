// Writes the information block of variant 27 or 29 with every item the loader reads, and
// remembers where the length field of each named item sits so that tests can damage it.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace dtgen {

struct InformationSettings {
    int variant = 29;
    int subKind = 0;
    int timeStampMode = 0;
    int64_t startSeconds = 0;
    int64_t startNanoseconds = 0;
};

struct InformationBlock {
    std::string bytes;
    // Offsets of the length fields: block, identification, kind, time, settings1 ... settings5.
    std::map<std::string, size_t> itemOffsets;
};

InformationBlock writeInformationBlock(const InformationSettings& settings);

}  // namespace dtgen
