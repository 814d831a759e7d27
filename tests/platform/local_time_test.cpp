#include "platform/local_time.h"

#include <gtest/gtest.h>

#include "tests/support/test_paths.h"

namespace {

TEST(LocalTime, ALocalDateAndTimeIsTheInstantItStandsForAcrossSummerTime) {
    testing_support::useTimeZone("JST-9");
    int64_t utc = 0;
    ASSERT_TRUE(platform::secondsOfLocalCivil({2024, 5, 1, 12, 34, 56}, utc));
    EXPECT_EQ(utc, 1714534496);  // 03:34:56 UTC
    platform::CivilTime back;
    ASSERT_TRUE(platform::localTime(utc, back));
    EXPECT_EQ(back.hour, 12);
#ifndef _WIN32  // the Windows C runtime takes no rules for the days summer time starts and ends
    // Summer time: the hour passed twice is its first pass, the skipped hour reads as winter's.
    testing_support::useTimeZone("CET-1CEST,M3.5.0,M10.5.0/3");
    ASSERT_TRUE(platform::secondsOfLocalCivil({2023, 10, 29, 2, 30, 0}, utc));
    EXPECT_EQ(utc, 1698539400);
    ASSERT_TRUE(platform::secondsOfLocalCivil({2023, 3, 26, 2, 30, 0}, utc));
    EXPECT_EQ(utc, 1679794200);
    ASSERT_TRUE(platform::secondsOfLocalCivil({2023, 7, 1, 12, 0, 0}, utc));
    EXPECT_EQ(utc, 1688205600);  // 10:00 UTC
#endif
    testing_support::useUtc();
}

}  // namespace
