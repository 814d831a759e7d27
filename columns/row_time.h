// The time of a row as typed columns keep it: the instant in nanoseconds since 1970 (UTC) where
// the capture has a calendar time, and the seconds since the start of the count where its time
// unit is known.
#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "tables/time_base.h"

namespace columns {

// No instant; numpy's NaT has the same bits.
inline constexpr int64_t kNoInstant = std::numeric_limits<int64_t>::min();

struct RowTime {
    int64_t instant = kNoInstant;
    double elapsed = std::numeric_limits<double>::quiet_NaN();  // NaN: no time unit
};

// The row time of a time count of `microseconds` (see tables::TimeBase). No instant where it does
// not fit 64-bit nanoseconds: a start time read from a damaged capture can be anything.
RowTime rowTimeOf(const tables::TimeBase& base, uint64_t microseconds);

// The times of a table's rows (see RowTime).
struct RowTimeColumns {
    std::vector<int64_t> instant;
    std::vector<double> elapsed;

    void reserve(size_t rows) {
        instant.reserve(rows);
        elapsed.reserve(rows);
    }
    void append(const RowTime& time, size_t count) {
        instant.resize(instant.size() + count, time.instant);
        elapsed.resize(elapsed.size() + count, time.elapsed);
    }
};

}  // namespace columns
