#include "convert/export_clock.h"

namespace convert {

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

UtcTime utcTimeOf(int64_t seconds, int milliseconds) {
    UtcTime time;
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

ExportClock exportClockFor(const monitor::MonitorFile& file) {
    ExportClock clock;
    clock.variant = file.variant;
    clock.timeStampMode = file.timeStampMode;
    if (file.variant == 29) {
        clock.nanosecondsPerCount = 1000;
        const int64_t seconds = file.info29.startSeconds;
        const int64_t nanoseconds = file.info29.startNanoseconds;
        // Both are bounded before they are added: the capture may hold any 64-bit values.
        if (seconds < 0 || seconds > kLatestDatedStart) return clock;
        int64_t carry = nanoseconds / kNanosecondsPerSecond;
        int64_t rest = nanoseconds % kNanosecondsPerSecond;
        if (rest < 0) {
            rest += kNanosecondsPerSecond;
            carry -= 1;
        }
        const int64_t origin = seconds + carry;
        if (origin < 0 || origin > kLatestDatedStart) return clock;
        clock.dated = true;
        clock.originSeconds = origin;
        clock.originNanoseconds = static_cast<uint32_t>(rest);
        return clock;
    }
    if (file.variant != 27) return clock;
    const int mode = file.timeStampMode;
    if (mode >= 1 && mode <= 4) clock.nanosecondsPerCount = 100000;
    if (mode == 5) clock.nanosecondsPerCount = 10000;
    if (mode == 6) clock.nanosecondsPerCount = 1000;
    return clock;
}

}  // namespace convert
