#include "python/src/time_arrays.h"

#include <limits>

namespace txtcvt_python {

namespace {

// Nanoseconds since 1970 of the recording start plus `microseconds`, or NaT when the sum does
// not fit datetime64[ns] (a start time read from a damaged capture can be anything).
int64_t instant(const convert::TimeBase& base, uint64_t microseconds) {
    int64_t start = 0;
    int64_t total = 0;
    if (microseconds > static_cast<uint64_t>(INT64_MAX / 1000) ||
        __builtin_mul_overflow(base.startSeconds, int64_t{1000000000}, &start) ||
        __builtin_add_overflow(start, base.startNanoseconds, &start) ||
        __builtin_add_overflow(start, static_cast<int64_t>(microseconds) * 1000, &total) ||
        total == kNotATime) {
        return kNotATime;
    }
    return total;
}

}  // namespace

TimeArrays timeArrays(const convert::TimeBase& base, const std::vector<uint64_t>& microseconds) {
    TimeArrays arrays;
    const size_t rows = microseconds.size();
    arrays.nanoseconds.resize(rows, kNotATime);
    arrays.elapsed.resize(rows, std::numeric_limits<double>::quiet_NaN());
    if (base.scheme == convert::TimeScheme::kNone) return arrays;
    for (size_t i = 0; i < rows; ++i)
        arrays.elapsed[i] = static_cast<double>(microseconds[i]) / 1e6;
    if (base.scheme != convert::TimeScheme::kDateTime) return arrays;
    for (size_t i = 0; i < rows; ++i) arrays.nanoseconds[i] = instant(base, microseconds[i]);
    return arrays;
}

}  // namespace txtcvt_python
