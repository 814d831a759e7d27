#include "sources/blf/blf_file_header.h"

#include <cstring>
#include <string>

#include "monitor/byte_order.h"
#include "platform/local_time.h"

namespace sources::blf {

using monitor::readLe16;
using monitor::readLe32;

namespace {

constexpr uint8_t kFileSignature[4] = {'L', 'O', 'G', 'G'};
constexpr size_t kStartTimeAt = 40;

bool leapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : kDays[month - 1];
}

// Years from SYSTEMTIME's first (1601) to the last with four digits.
bool possible(const platform::CivilTime& time, int millisecond) {
    return time.year >= 1601 && time.year <= 9999 && time.month >= 1 && time.month <= 12 &&
           time.day >= 1 && time.day <= daysInMonth(time.year, time.month) && time.hour <= 23 &&
           time.minute <= 59 && time.second <= 59 && millisecond <= 999;
}

}  // namespace

TimeOrigin originOfStartTime(const uint8_t* systemTime) {
    platform::CivilTime local;
    local.year = readLe16(systemTime);
    local.month = readLe16(systemTime + 2);
    local.day = readLe16(systemTime + 6);
    local.hour = readLe16(systemTime + 8);
    local.minute = readLe16(systemTime + 10);
    local.second = readLe16(systemTime + 12);
    const int millisecond = readLe16(systemTime + 14);
    TimeOrigin origin;
    if (!possible(local, millisecond)) return origin;
    origin.kind = TimeOrigin::Kind::kDated;
    // Where the system cannot place the time (far-off years on Windows), it is taken as UTC.
    int64_t seconds = platform::secondsOfCivil(local);
    if (!platform::secondsOfLocalCivil(local, seconds)) seconds = platform::secondsOfCivil(local);
    origin.startSeconds = seconds;
    origin.startNanoseconds = int64_t{millisecond} * 1000000;
    return origin;
}

platform::Status readFileHeader(std::span<const uint8_t> bytes, FileHeader& header) {
    if (bytes.size() < sizeof kFileSignature ||
        std::memcmp(bytes.data(), kFileSignature, sizeof kFileSignature) != 0) {
        return platform::Status::failure(platform::kInvalidData,
                                         "not a BLF log: it does not start with LOGG",
                                         platform::Place::byte(0));
    }
    if (bytes.size() < kFileHeaderFields) {
        return platform::Status::failure(platform::kInvalidData, "the file header is cut short",
                                         platform::Place::byte(bytes.size()));
    }
    header.headerSize = readLe32(bytes.data() + 4);
    if (header.headerSize < kFileHeaderFields || header.headerSize > kMaxFileHeaderSize) {
        return platform::Status::failure(
            platform::kInvalidData,
            "a file header of " + std::to_string(header.headerSize) + " bytes cannot be",
            platform::Place::byte(4));
    }
    header.origin = originOfStartTime(bytes.data() + kStartTimeAt);
    return {};
}

}  // namespace sources::blf
