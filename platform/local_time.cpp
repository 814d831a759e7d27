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

}  // namespace platform
