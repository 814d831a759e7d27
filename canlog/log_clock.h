// The clock of a frame export: where a capture's time counts start and how long one count is.
// Layout 29 counts microseconds from the recording start, a calendar time (UTC); layout 27
// counts in the unit of its time-stamp mode from a zero of its own, with no date at all. The
// headers' dates are written in the local time of this computer (the TZ rules), as python-can
// and Vector's tools read them, or in UTC when asked.
#pragma once

#include <cstdint>
#include <string>

#include "sources/frame_source.h"

namespace canlog {

// A calendar time, as the log formats write it in their headers.
struct CalendarTime {
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
CalendarTime utcTimeOf(int64_t seconds, int milliseconds);

struct LogClock {
    // The frame times have a unit; without one every time is written as 0.
    bool timed = false;
    // The times count from a calendar time: `originSeconds` since 1970 plus `originNanoseconds`.
    bool dated = false;
    int64_t originSeconds = 0;
    uint32_t originNanoseconds = 0;  // 0..999999999
    // Without a date: what the times count from, in words (the source's, or empty).
    std::string undatedNote;
    // The headers' dates in UTC (a clock made by hand); else in local time, `utcOffset` seconds
    // ahead of UTC at the origin (logClockFor's choice by default).
    bool utc = true;
    int64_t utcOffset = 0;

    // Nanoseconds from the origin to a frame of this time.
    uint64_t sinceOrigin(uint64_t time) const { return timed ? time : 0; }
    // The calendar time of `seconds` since 1970 plus `milliseconds` in the headers' clock.
    CalendarTime calendarAt(int64_t seconds, int milliseconds) const;
    // The origin cut to the millisecond, for headers that carry milliseconds at most.
    CalendarTime originToMillisecond() const {
        return calendarAt(originSeconds, static_cast<int>(originNanoseconds / 1000000));
    }
    // Nanoseconds from that millisecond to the origin.
    uint32_t originBelowMillisecond() const { return originNanoseconds % 1000000; }
};

// Recording starts from 1970 up to this many seconds are dates: a 48-bit count of microseconds
// (under nine years) from there still ends before the year 10000.
constexpr int64_t kLatestDatedStart = 253402300799 - 281474977;

enum class HeaderClock { kLocal, kUtc };

// The clock of a source's times: dated when the source gives a date from 1970 to
// kLatestDatedStart (else the times run from an undated zero); untimed when its times have no
// unit. Local dates become UTC ones where the system cannot give the origin's local time.
LogClock logClockFor(const sources::TimeOrigin& origin, HeaderClock header = HeaderClock::kLocal);

}  // namespace canlog
