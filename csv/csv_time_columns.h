// The time columns of the CSV outputs: their headers and the texts of one frame's time.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/local_time.h"
#include "tables/time_base.h"

namespace csv {

class TimeColumns {
public:
    // Starts a file with its time base.
    void start(const tables::TimeBase& base);
    // "Date", "Time", "msec" / "Time", "msec" / "TimeStamp" / none.
    std::span<const std::string_view> headers() const;
    // The texts of a frame at `microseconds` (its time count times microsecondsPerCount).
    std::span<const std::string> texts(uint64_t microseconds);
    // The default columns "Date", "Time" and "msec" of a frame appended to `out` as one text,
    // `delimiter` between them: texts() joined, without making three texts for every frame.
    // False, with nothing appended, for the other time columns.
    bool appendDateTimeColumns(std::string& out, uint64_t microseconds, std::string_view delimiter);

private:
    // A frame's instant: whole seconds since 1970 and the nanoseconds within that second.
    struct Instant {
        uint64_t seconds;
        uint64_t nanoseconds;
    };
    Instant instantAt(uint64_t microseconds) const;
    void dateTimeTexts(uint64_t microseconds);
    void isoTexts(uint64_t microseconds);
    // The calendar date and time of an instant by the clock in use; false when it has none.
    bool civilTime(int64_t seconds, platform::CivilTime& civil, int64_t& offsetSeconds) const;

    tables::TimeBase base_;
    std::string text_[3];
    int count_ = 0;
    // The date and time texts change once a second at most; they are kept for that second.
    bool cachedValid_ = false;
    uint64_t cachedSeconds_ = 0;
    std::string cachedDate_;
    std::string cachedTime_;
    std::string cachedIso_;     // "2024-05-01T12:34:56" of the cached second
    std::string cachedOffset_;  // "+09:00"
    // "2024/05/01,12:34:56," of one second and one delimiter, for appendDateTimeColumns.
    bool joinedValid_ = false;
    uint64_t joinedSeconds_ = 0;
    std::string joinedDelimiter_;
    std::string joinedDateTime_;
};

}  // namespace csv
