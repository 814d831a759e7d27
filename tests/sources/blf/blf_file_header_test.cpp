#include "sources/blf/blf_file_header.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/local_time.h"
#include "tests/sources/blf/blf_test_files.h"
#include "tests/support/test_paths.h"

namespace {

using namespace blf_test;
namespace blf = sources::blf;
using Kind = sources::TimeOrigin::Kind;

platform::Status headerOf(const std::string& bytes, blf::FileHeader& header) {
    return blf::readFileHeader({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()},
                               header);
}

sources::TimeOrigin originOf(const SystemTime& start) {
    const std::string bytes = fileHeader(start);
    blf::FileHeader header;
    EXPECT_TRUE(headerOf(bytes, header).ok());
    return header.origin;
}

int64_t utcSeconds(int year, int month, int day, int hour, int minute, int second) {
    return platform::secondsOfCivil({year, month, day, hour, minute, second});
}

TEST(BlfFileHeader, TakesTheSignatureAndTheHeadersOwnSize) {
    blf::FileHeader header;
    ASSERT_TRUE(headerOf(fileHeader({}, 144), header).ok());
    EXPECT_EQ(header.headerSize, 144u);
    ASSERT_TRUE(headerOf(fileHeader({}, 200), header).ok());
    EXPECT_EQ(header.headerSize, 200u);

    std::string hugeHeader = fileHeader();
    hugeHeader.replace(4, 4, "\xFF\xFF\xFF\xFF");
    struct Refused {
        std::string bytes;
        std::string description;
    };
    const Refused refused[] = {
        {"", "byte 0: not a BLF log: it does not start with LOGG"},
        {"LOG", "byte 0: not a BLF log: it does not start with LOGG"},
        {"date,time,id\n1,2,3\n", "byte 0: not a BLF log: it does not start with LOGG"},
        {fileHeader().substr(0, 50), "byte 50: the file header is cut short"},
        {fileHeader({}, 71), "byte 4: a file header of 71 bytes cannot be"},
        {hugeHeader, "byte 4: a file header of 4294967295 bytes cannot be"},
    };
    for (const Refused& r : refused) {
        const platform::Status status = headerOf(r.bytes, header);
        EXPECT_EQ(status.code(), platform::kInvalidData) << r.description;
        EXPECT_EQ(status.description(), r.description);
    }
}

TEST(BlfFileHeader, TheStartTimeIsTheRecordingComputersLocalTime) {
    testing_support::useTimeZone("JST-9");
    sources::TimeOrigin origin = originOf(systemTime(2024, 3, 5, 9, 30, 15, 250));
    EXPECT_EQ(origin.kind, Kind::kDated);
    EXPECT_EQ(origin.startSeconds, utcSeconds(2024, 3, 5, 0, 30, 15));
    EXPECT_EQ(origin.startNanoseconds, 250000000);
    // Before 09:00 in Tokyo it is the day before in UTC.
    EXPECT_EQ(originOf(systemTime(2024, 1, 1, 8, 59, 59, 999)).startSeconds,
              utcSeconds(2023, 12, 31, 23, 59, 59));

    // Summer time counts at the instant itself.
    testing_support::useTimeZone("CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(originOf(systemTime(2023, 7, 1, 12, 0, 0, 0)).startSeconds,
              utcSeconds(2023, 7, 1, 10, 0, 0));
    EXPECT_EQ(originOf(systemTime(2023, 1, 15, 12, 0, 0, 0)).startSeconds,
              utcSeconds(2023, 1, 15, 11, 0, 0));
    EXPECT_EQ(originOf(systemTime(2023, 3, 26, 3, 30, 0, 0)).startSeconds,
              utcSeconds(2023, 3, 26, 1, 30, 0));  // the first hour of summer time

    testing_support::useUtc();
    origin = originOf(systemTime(2024, 2, 29, 23, 59, 59, 0));
    EXPECT_EQ(origin.kind, Kind::kDated);
    EXPECT_EQ(origin.startSeconds, utcSeconds(2024, 2, 29, 23, 59, 59));
    EXPECT_EQ(originOf(systemTime(1601, 1, 1, 0, 0, 0, 0)).startSeconds,
              utcSeconds(1601, 1, 1, 0, 0, 0));
}

TEST(BlfFileHeader, AStartTimeThatIsNoDateLeavesTheTimesElapsed) {
    testing_support::useUtc();
    const SystemTime noDates[] = {
        SystemTime{},                           // python-can's, for a log without a date
        systemTime(2023, 2, 29, 0, 0, 0, 0),    // no leap year
        systemTime(2024, 13, 1, 0, 0, 0, 0),    //
        systemTime(2024, 4, 31, 0, 0, 0, 0),    //
        systemTime(2024, 1, 0, 0, 0, 0, 0),     //
        systemTime(2024, 1, 1, 24, 0, 0, 0),    //
        systemTime(2024, 1, 1, 0, 60, 0, 0),    //
        systemTime(2024, 1, 1, 0, 0, 60, 0),    //
        systemTime(2024, 1, 1, 0, 0, 0, 1000),  //
        systemTime(1600, 12, 31, 0, 0, 0, 0),   // before SYSTEMTIME's first year
        systemTime(10000, 1, 1, 0, 0, 0, 0),    //
        systemTime(65535, 65535, 65535, 65535, 65535, 65535, 65535),
    };
    for (const SystemTime& time : noDates) {
        const sources::TimeOrigin origin = originOf(time);
        EXPECT_EQ(origin.kind, Kind::kElapsed) << time.fields[0] << "-" << time.fields[1];
        EXPECT_EQ(origin.startSeconds, 0);
        EXPECT_EQ(origin.startNanoseconds, 0);
    }
}

}  // namespace
