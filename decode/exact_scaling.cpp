#include "decode/exact_scaling.h"

#include <cmath>

namespace decode {

namespace {

constexpr double kMagnitudeLimit = 268435456.0;  // 2^28
constexpr int64_t kMillion = 1000000;

// m and k with `value` the double nearest to m / 10^k, k at most 6; false for none.
bool decimalOf(double value, int64_t& millionths) {
    if (!(std::fabs(value) <= kMagnitudeLimit)) return false;  // also not-a-number
    int64_t power = 1;
    for (int decimals = 0; decimals <= 6; ++decimals, power *= 10) {
        const double scaled = value * static_cast<double>(power);
        const auto m = static_cast<int64_t>(std::llround(scaled));
        // Both exact, so the quotient is the double nearest to m / 10^k.
        if (static_cast<double>(m) / static_cast<double>(power) == value) {
            millionths = m * (kMillion / power);
            return true;
        }
    }
    return false;
}

}  // namespace

// With |raw * factor| and |offset| at most 2^28 the double computed as fl(fl(F * raw) + O)
// lies within 5 * 2^-25 (about 1.5e-7) of the exact value, a multiple of 10^-6: printf's
// rounding to six decimals gives that multiple, and a nonzero one keeps its sign.
ExactScaling exactScalingOf(double factor, double offset) {
    ExactScaling scaling;
    if (!decimalOf(factor, scaling.factor) || !decimalOf(offset, scaling.offset)) return {};
    const auto productLimit = static_cast<uint64_t>(kMagnitudeLimit) * kMillion;
    const uint64_t factorMagnitude = scaling.factor < 0 ? 0 - static_cast<uint64_t>(scaling.factor)
                                                        : static_cast<uint64_t>(scaling.factor);
    // A zero factor makes every product zero; the bound keeps the raw value's double exact.
    scaling.rawLimit = factorMagnitude == 0 ? productLimit : productLimit / factorMagnitude;
    scaling.usable = true;
    return scaling;
}

}  // namespace decode
