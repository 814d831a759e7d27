#include "csv/csv_time_columns.h"

#include "platform/local_time.h"
#include "tables/civil_text.h"
#include "tables/text_format.h"

namespace csv {

namespace {
constexpr std::string_view kDateTimeHeaders[] = {"Date", "Time", "msec"};
constexpr std::string_view kClockHeaders[] = {"Time", "msec"};
constexpr std::string_view kElapsedHeaders[] = {"TimeStamp"};
constexpr std::string_view kIsoHeaders[] = {"Timestamp"};
}  // namespace

void TimeColumns::start(const tables::TimeBase& base) {
    base_ = base;
    cachedValid_ = false;
    joinedValid_ = false;
    count_ = 0;
}

std::span<const std::string_view> TimeColumns::headers() const {
    if (base_.iso8601 && base_.scheme != tables::TimeScheme::kNone) return kIsoHeaders;
    switch (base_.scheme) {
        case tables::TimeScheme::kDateTime:
            return kDateTimeHeaders;
        case tables::TimeScheme::kClock:
            return kClockHeaders;
        case tables::TimeScheme::kElapsed:
            return kElapsedHeaders;
        default:
            return {};
    }
}

std::span<const std::string> TimeColumns::texts(uint64_t microseconds) {
    if (base_.iso8601 && base_.scheme != tables::TimeScheme::kNone) {
        if (base_.scheme == tables::TimeScheme::kDateTime) {
            isoTexts(microseconds);
        } else {
            text_[0].clear();
            tables::appendElapsed(text_[0], microseconds);
            count_ = 1;
        }
        return {text_, static_cast<size_t>(count_)};
    }
    switch (base_.scheme) {
        case tables::TimeScheme::kDateTime:
            dateTimeTexts(microseconds);
            break;
        case tables::TimeScheme::kClock: {
            const uint64_t seconds = microseconds / 1000000;
            std::string& clock = text_[0];
            clock.clear();
            tables::appendDecimal(clock, seconds / 3600, 2);  // hours run past 23
            clock += ':';
            tables::appendDecimal(clock, (seconds % 3600) / 60, 2);
            clock += ':';
            tables::appendDecimal(clock, seconds % 60, 2);
            text_[1].clear();
            tables::appendDecimal(text_[1], (microseconds % 1000000) / 1000, 3);
            count_ = 2;
            break;
        }
        case tables::TimeScheme::kElapsed:
            text_[0].clear();
            tables::appendElapsed(text_[0], microseconds);
            count_ = 1;
            break;
        default:
            count_ = 0;
            break;
    }
    return {text_, static_cast<size_t>(count_)};
}

// The sum is done in unsigned 64-bit arithmetic, so a hostile start time cannot overflow.
TimeColumns::Instant TimeColumns::instantAt(uint64_t microseconds) const {
    const uint64_t nanoseconds =
        (microseconds % 1000000) * 1000 + static_cast<uint64_t>(base_.startNanoseconds);
    return {static_cast<uint64_t>(base_.startSeconds) + microseconds / 1000000 +
                nanoseconds / 1000000000,
            nanoseconds % 1000000000};
}

void TimeColumns::dateTimeTexts(uint64_t microseconds) {
    const auto [seconds, nanoseconds] = instantAt(microseconds);
    if (!cachedValid_ || cachedSeconds_ != seconds) {
        cachedDate_.clear();
        cachedTime_.clear();
        platform::CivilTime civil;
        int64_t offset = 0;
        // An instant the system cannot place in local time leaves date and time empty rather
        // than showing a made-up one.
        if (civilTime(static_cast<int64_t>(seconds), civil, offset)) {
            tables::appendCivilDate(cachedDate_, civil, '/');
            tables::appendCivilClock(cachedTime_, civil);
        }
        cachedSeconds_ = seconds;
        cachedValid_ = true;
        text_[0] = cachedDate_;
        text_[1] = cachedTime_;
    }
    text_[2].clear();
    tables::appendDecimal(text_[2], nanoseconds / 1000000, 3);
    count_ = 3;
}

bool TimeColumns::appendDateTimeColumns(std::string& out, uint64_t microseconds,
                                        std::string_view delimiter) {
    if (base_.iso8601 || base_.scheme != tables::TimeScheme::kDateTime) return false;
    const auto [seconds, nanoseconds] = instantAt(microseconds);
    if (!joinedValid_ || joinedSeconds_ != seconds || joinedDelimiter_ != delimiter) {
        joinedDateTime_.clear();
        platform::CivilTime civil;
        int64_t offset = 0;
        // Empty date and time, as texts() gives them, for an instant the clock cannot place.
        const bool placed = civilTime(static_cast<int64_t>(seconds), civil, offset);
        if (placed) tables::appendCivilDate(joinedDateTime_, civil, '/');
        joinedDateTime_ += delimiter;
        if (placed) tables::appendCivilClock(joinedDateTime_, civil);
        joinedDateTime_ += delimiter;
        joinedSeconds_ = seconds;
        joinedDelimiter_ = delimiter;
        joinedValid_ = true;
    }
    out += joinedDateTime_;
    // Three digits written directly: this runs for every frame.
    const auto milliseconds = static_cast<uint32_t>(nanoseconds / 1000000);
    const char digits[3] = {static_cast<char>('0' + milliseconds / 100),
                            static_cast<char>('0' + milliseconds / 10 % 10),
                            static_cast<char>('0' + milliseconds % 10)};
    out.append(digits, 3);
    return true;
}

bool TimeColumns::civilTime(int64_t seconds, platform::CivilTime& civil,
                            int64_t& offsetSeconds) const {
    offsetSeconds = 0;
    if (base_.utc) return platform::utcTime(seconds, civil);
    if (!platform::localTime(seconds, civil)) return false;
    offsetSeconds = platform::secondsOfCivil(civil) - seconds;
    return true;
}

// "2024-05-01T12:34:56.791234+09:00": microseconds, and the offset of the clock in use.
void TimeColumns::isoTexts(uint64_t microseconds) {
    const auto [seconds, nanoseconds] = instantAt(microseconds);
    if (!cachedValid_ || cachedSeconds_ != seconds) {
        cachedIso_.clear();
        cachedOffset_.clear();
        platform::CivilTime civil;
        int64_t offset = 0;
        if (civilTime(static_cast<int64_t>(seconds), civil, offset)) {
            tables::appendCivilDate(cachedIso_, civil, '-');
            cachedIso_ += 'T';
            tables::appendCivilClock(cachedIso_, civil);
            cachedOffset_ += offset < 0 ? '-' : '+';
            const auto magnitude = static_cast<uint64_t>(offset < 0 ? -offset : offset);
            tables::appendDecimal(cachedOffset_, magnitude / 3600, 2);
            cachedOffset_ += ':';
            tables::appendDecimal(cachedOffset_, magnitude % 3600 / 60, 2);
        }
        cachedSeconds_ = seconds;
        cachedValid_ = true;
    }
    std::string& text = text_[0];
    text.clear();
    if (!cachedIso_.empty()) {
        text += cachedIso_;
        text += '.';
        tables::appendDecimal(text, nanoseconds / 1000, 6);
        text += cachedOffset_;
    }
    count_ = 1;
}

}  // namespace csv
