// How the time of a frame is shown in one output, decided once per file from what the source
// says of its times (a date, a clock, elapsed time, no unit) and the chosen time stamps.
#pragma once

#include <cstdint>

#include "settings/conversion_settings.h"
#include "sources/frame_source.h"

namespace tables {

enum class TimeScheme {
    kNone,      // no time columns
    kDateTime,  // the date and time of the source's start plus the frame's time, local or UTC
    kClock,     // a clock of no date (a layout-27 capture's modes 1-3): hours (running past 23),
                // minutes, seconds, milliseconds
    kElapsed,   // seconds with six decimals since the start of the count
};

struct TimeBase {
    TimeScheme scheme = TimeScheme::kNone;
    bool utc = false;          // kDateTime in UTC instead of the machine's time zone
    bool iso8601 = false;      // one "Timestamp" column: ISO 8601 for kDateTime, seconds otherwise
    int64_t startSeconds = 0;  // kDateTime: the recording start, seconds since 1970
    int64_t startNanoseconds = 0;
};

// A dated source: date and time or elapsed time as chosen. Any other: no time when none is
// chosen, otherwise its own kind of time decides (a clock, elapsed time, or none without a unit).
TimeBase timeBaseFor(const sources::TimeOrigin& origin, settings::TimeStamps timeStamps);

// Time columns as the options choose (with the clock and the format of the command line).
struct ConversionOptions;
TimeBase timeBaseFor(const sources::TimeOrigin& origin, const ConversionOptions& options);

}  // namespace tables
