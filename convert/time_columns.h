// The time columns of the CSV outputs: their headers and the texts of one frame's time.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "convert/time_base.h"

namespace convert {

class TimeColumns {
public:
    // Starts a file with its time base.
    void start(const TimeBase& base);
    // "Date", "Time", "msec" / "Time", "msec" / "TimeStamp" / none.
    std::span<const std::string_view> headers() const;
    // The texts of a frame at `microseconds` (its time count times microsecondsPerCount).
    std::span<const std::string> texts(uint64_t microseconds);

private:
    void dateTimeTexts(uint64_t microseconds);

    TimeBase base_;
    std::string text_[3];
    int count_ = 0;
    // The date and time texts change once a second at most; they are kept for that second.
    bool cachedValid_ = false;
    uint64_t cachedSeconds_ = 0;
    std::string cachedDate_;
    std::string cachedTime_;
};

}  // namespace convert
