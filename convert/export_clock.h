// The clock of a frame export: where a capture's time counts start and how long one count is.
// Layout 29 counts microseconds from the recording start, a calendar time (UTC); layout 27
// counts in the unit of its time-stamp mode from a zero of its own, with no date at all.
#pragma once

#include <cstdint>

#include "monitor/monitor_file.h"

namespace convert {

// A calendar time in UTC, as the log formats write it in their headers.
struct UtcTime {
    int year = 1970;
    int month = 1;    // 1..12
    int day = 1;      // 1..31
    int weekday = 4;  // 0 Sunday .. 6 Saturday
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// The UTC calendar time of `seconds` since 1970-01-01 plus `milliseconds` (0..999); any
// seconds from 0 to the end of the year 9999.
UtcTime utcTimeOf(int64_t seconds, int milliseconds);

struct ExportClock {
    int variant = 0;
    int timeStampMode = 0;
    // Nanoseconds of one time count; 0 when the counts have no unit (every time is 0 then).
    uint64_t nanosecondsPerCount = 0;
    // The counts start at a calendar time: `originSeconds` since 1970 plus `originNanoseconds`.
    bool dated = false;
    int64_t originSeconds = 0;
    uint32_t originNanoseconds = 0;  // 0..999999999

    // Nanoseconds from the origin to a record with this time count.
    uint64_t sinceOrigin(uint64_t count) const { return count * nanosecondsPerCount; }
    // The origin cut to the millisecond, for headers that carry milliseconds at most.
    UtcTime originToMillisecond() const {
        return utcTimeOf(originSeconds, static_cast<int>(originNanoseconds / 1000000));
    }
    // Nanoseconds from that millisecond to the origin.
    uint32_t originBelowMillisecond() const { return originNanoseconds % 1000000; }
};

// Recording starts from 1970 up to this many seconds are dates: a 48-bit count of microseconds
// (under nine years) from there still ends before the year 10000.
constexpr int64_t kLatestDatedStart = 253402300799 - 281474977;

// Layout 29: microseconds from the recording start, dated when the start lies from 1970 to
// kLatestDatedStart (else the counts run from an undated zero). Layout 27: the unit of the
// time-stamp mode (1-4 100 us, 5 10 us, 6 1 us; none for the others), never dated.
ExportClock exportClockFor(const monitor::MonitorFile& file);

}  // namespace convert
