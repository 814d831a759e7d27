#include "platform/local_time.h"

#include <ctime>
#include <limits>

namespace platform {

bool localTime(int64_t secondsSince1970, CivilTime& out) {
    if (secondsSince1970 < std::numeric_limits<time_t>::min() ||
        secondsSince1970 > std::numeric_limits<time_t>::max()) {
        return false;
    }
    const auto when = static_cast<time_t>(secondsSince1970);
    std::tm fields{};
#ifdef _WIN32
    if (_localtime64_s(&fields, &when) != 0) return false;
#else
    if (localtime_r(&when, &fields) == nullptr) return false;
#endif
    out.year = fields.tm_year + 1900;
    out.month = fields.tm_mon + 1;
    out.day = fields.tm_mday;
    out.hour = fields.tm_hour;
    out.minute = fields.tm_min;
    out.second = fields.tm_sec;
    return true;
}

namespace {

// Days since 1970-01-01 of a date, and back (H. Hinnant's algorithms for the civil calendar).
int64_t daysFromCivil(int64_t year, int64_t month, int64_t day) {
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void civilFromDays(int64_t days, CivilTime& out) {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    out.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    out.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    out.year = static_cast<int>(yearOfEra + era * 400 + (out.month <= 2));
}

}  // namespace

bool utcTime(int64_t secondsSince1970, CivilTime& out) {
    // Years 0 to 9999 only: the texts have four digits for the year.
    constexpr int64_t kFirst = -62167219200;  // 0000-01-01
    constexpr int64_t kEnd = 253402300800;    // 10000-01-01
    if (secondsSince1970 < kFirst || secondsSince1970 >= kEnd) return false;
    int64_t days = secondsSince1970 / 86400;
    int64_t rest = secondsSince1970 % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    civilFromDays(days, out);
    out.hour = static_cast<int>(rest / 3600);
    out.minute = static_cast<int>(rest % 3600 / 60);
    out.second = static_cast<int>(rest % 60);
    return true;
}

int64_t secondsOfCivil(const CivilTime& civil) {
    return daysFromCivil(civil.year, civil.month, civil.day) * 86400 + int64_t{civil.hour} * 3600 +
           int64_t{civil.minute} * 60 + civil.second;
}

namespace {

// Local time minus UTC at an instant, in seconds.
bool offsetAt(int64_t instant, int64_t& offset) {
    CivilTime local;
    if (!localTime(instant, local)) return false;
    offset = secondsOfCivil(local) - instant;
    return true;
}

// Whether the local time at `instant` is the one written (`asUtc`: its seconds read as UTC).
bool showsAs(int64_t instant, int64_t asUtc) {
    int64_t offset = 0;
    return offsetAt(instant, offset) && instant + offset == asUtc;
}

}  // namespace

bool secondsOfLocalCivil(const CivilTime& civil, int64_t& secondsSince1970) {
    constexpr int64_t kSecondsPerDay = 86400;
    const int64_t asUtc = secondsOfCivil(civil);
    // The offsets a day before and after: a time zone changes its offset at most once between.
    int64_t before = 0;
    int64_t after = 0;
    if (!offsetAt(asUtc - kSecondsPerDay, before) || !offsetAt(asUtc + kSecondsPerDay, after)) {
        return false;
    }
    const int64_t withBefore = asUtc - before;
    const int64_t withAfter = asUtc - after;
    const bool beforeFits = showsAs(withBefore, asUtc);
    const bool afterFits = showsAs(withAfter, asUtc);
    if (beforeFits && afterFits) {
        secondsSince1970 = withBefore < withAfter ? withBefore : withAfter;
    } else {
        secondsSince1970 = afterFits ? withAfter : withBefore;
    }
    return true;
}

}  // namespace platform
