#include "sources/candump/candump_clock.h"

#include <limits>

namespace sources::candump {

namespace {

constexpr uint64_t kNanosecondsPerSecond = 1000000000;

bool sameMinute(const platform::CivilTime& a, const platform::CivilTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute;
}

}  // namespace

bool Clock::start(const LineTime& first, bool deltas) {
    switch (first.form) {
        case TimeForm::kNone:
            mode_ = Mode::kNone;
            origin_ = {TimeOrigin::Kind::kNoUnit, 0, 0, {}};
            break;
        case TimeForm::kSeconds:
            if (first.secondDigits >= 10) {
                mode_ = Mode::kDated;
                origin_ = {TimeOrigin::Kind::kDated, static_cast<int64_t>(first.seconds), 0, {}};
            } else {
                mode_ = deltas ? Mode::kDeltas : Mode::kElapsed;
                origin_ = {TimeOrigin::Kind::kElapsed, 0, 0, {}};
            }
            break;
        case TimeForm::kDate: {
            int64_t seconds = 0;
            if (!utcSeconds(first.civil, seconds)) return false;
            mode_ = Mode::kLocalDate;
            origin_ = {TimeOrigin::Kind::kDated, seconds, 0, {}};
            break;
        }
    }
    started_ = true;
    return true;
}

bool Clock::utcSeconds(const platform::CivilTime& civil, int64_t& seconds) {
    if (!cacheValid_ || !sameMinute(civil, cachedMinute_)) {
        platform::CivilTime minute = civil;
        minute.second = 0;
        if (!platform::secondsOfLocalCivil(minute, cachedMinuteUtc_)) {
            cacheValid_ = false;
            return false;
        }
        cachedMinute_ = minute;
        cacheValid_ = true;
    }
    seconds = cachedMinuteUtc_ + civil.second;
    return true;
}

Clock::Result Clock::timeOfAny(const LineTime& time, uint64_t& nanoseconds) {
    nanoseconds = 0;
    int64_t seconds = static_cast<int64_t>(time.seconds);
    switch (mode_) {
        case Mode::kNone:
            return time.form == TimeForm::kNone ? Result::kTime : Result::kNoTime;
        case Mode::kLocalDate:
            if (time.form != TimeForm::kDate || !utcSeconds(time.civil, seconds)) {
                return Result::kNoTime;
            }
            return sinceOrigin(seconds, time.nanoseconds, nanoseconds);
        case Mode::kDated:
            if (time.form != TimeForm::kSeconds) return Result::kNoTime;
            return sinceOrigin(seconds, time.nanoseconds, nanoseconds);
        case Mode::kElapsed:
        case Mode::kDeltas:
            break;
    }
    if (time.form != TimeForm::kSeconds) return Result::kNoTime;
    const uint64_t count = time.seconds * kNanosecondsPerSecond + time.nanoseconds;
    if (mode_ == Mode::kElapsed) {
        nanoseconds = count;
        return Result::kTime;
    }
    if (count > std::numeric_limits<uint64_t>::max() - elapsed_) return Result::kNoTime;
    elapsed_ += count;
    nanoseconds = elapsed_;
    return Result::kTime;
}

Clock::Result Clock::sinceOrigin(int64_t seconds, uint32_t fraction, uint64_t& nanoseconds) const {
    if (seconds < origin_.startSeconds) return Result::kBeforeStart;
    const auto since = static_cast<uint64_t>(seconds - origin_.startSeconds);
    if (since > kMaxSeconds) return Result::kNoTime;
    nanoseconds = since * kNanosecondsPerSecond + fraction;
    return Result::kTime;
}

}  // namespace sources::candump
