#include "canlog/log_clock.h"

#include "platform/local_time.h"

namespace canlog {

namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kNanosecondsPerSecond = 1000000000;

// The proleptic Gregorian date of a day number (0 is 1970-01-01), by eras of 400 years.
void civilFromDays(int64_t days, int& year, int& month, int& day) {
    days += 719468;  // from 0000-03-01
    const int64_t era = days / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;  // 0 is March
    day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

}  // namespace

CalendarTime utcTimeOf(int64_t seconds, int milliseconds) {
    CalendarTime time;
    const int64_t days = seconds / kSecondsPerDay;
    const int64_t ofDay = seconds % kSecondsPerDay;
    civilFromDays(days, time.year, time.month, time.day);
    time.weekday = static_cast<int>((days + 4) % 7);  // 1970-01-01 was a Thursday
    time.hour = static_cast<int>(ofDay / 3600);
    time.minute = static_cast<int>(ofDay % 3600 / 60);
    time.second = static_cast<int>(ofDay % 60);
    time.millisecond = milliseconds;
    return time;
}

CalendarTime LogClock::calendarAt(int64_t seconds, int milliseconds) const {
    if (utc) return utcTimeOf(seconds, milliseconds);
    // The local time is the UTC calendar of the instant moved by the zone's offset then; where
    // the system cannot tell it, the origin's offset stands.
    platform::CivilTime local;
    int64_t offset = utcOffset;
    if (platform::localTime(seconds, local)) offset = platform::secondsOfCivil(local) - seconds;
    return utcTimeOf(seconds + offset < 0 ? 0 : seconds + offset, milliseconds);
}

LogClock logClockFor(const sources::TimeOrigin& origin, HeaderClock header) {
    using Kind = sources::TimeOrigin::Kind;
    LogClock clock;
    clock.timed = origin.kind != Kind::kNoUnit;
    clock.undatedNote = origin.note;
    if (origin.kind != Kind::kDated) return clock;
    const int64_t seconds = origin.startSeconds;
    const int64_t nanoseconds = origin.startNanoseconds;
    // Both are bounded before they are added: a damaged file may hold any 64-bit values.
    if (seconds < 0 || seconds > kLatestDatedStart) return clock;
    int64_t carry = nanoseconds / kNanosecondsPerSecond;
    int64_t rest = nanoseconds % kNanosecondsPerSecond;
    if (rest < 0) {
        rest += kNanosecondsPerSecond;
        carry -= 1;
    }
    const int64_t start = seconds + carry;
    if (start < 0 || start > kLatestDatedStart) return clock;
    clock.dated = true;
    clock.originSeconds = start;
    clock.originNanoseconds = static_cast<uint32_t>(rest);
    platform::CivilTime local;
    if (header == HeaderClock::kLocal && platform::localTime(start, local)) {
        const int64_t offset = platform::secondsOfCivil(local) - start;
        // A local date before 1970 or past the dated starts stays in UTC, as a header holds it.
        if (start + offset >= 0 && start + offset <= kLatestDatedStart) {
            clock.utc = false;
            clock.utcOffset = offset;
        }
    }
    return clock;
}

}  // namespace canlog
