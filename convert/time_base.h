// How the time of a frame is shown in one output, decided once per file from the record layout,
// the file's information block and the chosen time stamps.
#pragma once

#include <cstdint>

#include "monitor/monitor_file.h"
#include "settings/conversion_settings.h"

namespace convert {

enum class TimeScheme {
    kNone,      // no time columns
    kDateTime,  // layout 29: local date and time of the recording start plus the frame's time
    kClock,     // layout 27, modes 1-3: hours (running past 23), minutes, seconds, milliseconds
    kElapsed,   // seconds with six decimals since the start of the count
};

struct TimeBase {
    TimeScheme scheme = TimeScheme::kNone;
    bool utc = false;          // kDateTime in UTC instead of the machine's time zone
    bool iso8601 = false;      // one "Timestamp" column: ISO 8601 for kDateTime, seconds otherwise
    int64_t startSeconds = 0;  // kDateTime: the recording start, seconds since 1970
    int64_t startNanoseconds = 0;
    // Turns the layout's time count into microseconds: layout 29 counts microseconds, layout 27
    // counts in the unit of the file's time-stamp mode.
    uint32_t microsecondsPerCount = 1;
};

// Layout 29: date and time or elapsed time as chosen. Layout 27: no time when none is chosen,
// otherwise the file's own time-stamp mode decides (1-3 a clock, 4-6 elapsed, others none).
TimeBase timeBaseFor(const monitor::MonitorFile& file, settings::TimeStamps timeStamps);

// Time columns as the options choose (with the clock and the format of the command line).
struct ConversionOptions;
TimeBase timeBaseFor(const monitor::MonitorFile& file, const ConversionOptions& options);

}  // namespace convert
