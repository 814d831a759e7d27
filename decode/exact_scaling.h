// Scaled values worked out in integers. When a signal's factor and offset are decimal fractions
// of at most six decimals (0.1, 0.25, -40), raw * factor + offset is exact in millionths, and
// its six-decimal text is that of the double the decoding computes, as long as the double's
// rounding errors stay far below half a millionth: the raw values are bounded for that.
#pragma once

#include <cstdint>

namespace decode {

struct ExactScaling {
    int64_t factor = 0;     // in millionths
    int64_t offset = 0;     // in millionths
    uint64_t rawLimit = 0;  // the largest raw magnitude covered
    bool usable = false;
};

// The scaling of a factor and an offset that are the doubles nearest to decimal fractions of
// at most six decimals and at most 2^28 in magnitude; not usable for any other.
ExactScaling exactScalingOf(double factor, double offset);

// raw * factor + offset in millionths when `raw` is within the limit; false otherwise.
inline bool scaleUnsigned(const ExactScaling& scaling, uint64_t raw, int64_t& millionths) {
    if (!scaling.usable || raw > scaling.rawLimit) return false;
    millionths = static_cast<int64_t>(raw) * scaling.factor + scaling.offset;
    return true;
}
inline bool scaleSigned(const ExactScaling& scaling, int64_t raw, int64_t& millionths) {
    if (!scaling.usable || static_cast<uint64_t>(raw) + scaling.rawLimit > 2 * scaling.rawLimit) {
        return false;
    }
    millionths = raw * scaling.factor + scaling.offset;
    return true;
}

}  // namespace decode
