// Ranges of CAN identifiers, as a selection of frames names them ("100-1FF,18FEF100").
#pragma once

#include <cstdint>
#include <vector>

namespace can {

struct IdRange {
    uint32_t low = 0;
    uint32_t high = 0;
};

// Whether an identifier lies in one of the ranges (every identifier when there are none).
inline bool idSelected(const std::vector<IdRange>& ranges, uint32_t canId) {
    if (ranges.empty()) return true;
    for (const IdRange& range : ranges) {
        if (range.low <= canId && canId <= range.high) return true;
    }
    return false;
}

}  // namespace can
