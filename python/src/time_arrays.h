// The time columns of the data frames, from the microsecond counts of the rows: nanoseconds
// since 1970 in UTC (for datetime64[ns, UTC]) where the capture has a calendar time, and the
// seconds since the start of the recording where its time unit is known.
#pragma once

#include <cstdint>
#include <vector>

#include "convert/time_base.h"

namespace txtcvt_python {

// numpy's NaT.
constexpr int64_t kNotATime = INT64_MIN;

struct TimeArrays {
    std::vector<int64_t> nanoseconds;  // NaT without a calendar time or outside datetime64[ns]
    std::vector<double> elapsed;       // NaN where the time unit is unknown
};

TimeArrays timeArrays(const convert::TimeBase& base, const std::vector<uint64_t>& microseconds);

}  // namespace txtcvt_python
