#include "canlog/log_clock.h"

#include <gtest/gtest.h>

#include "tests/support/test_paths.h"

namespace {

struct Civil {
    int64_t seconds;
    int year, month, day, weekday, hour, minute, second;
};

TEST(UtcTime, CalendarDatesAcrossLeapYearsAndCenturies) {
    const Civil cases[] = {
        {0, 1970, 1, 1, 4, 0, 0, 0},
        {951782400, 2000, 2, 29, 2, 0, 0, 0},      // a leap day of a 400-year century
        {4107542399, 2100, 2, 28, 0, 23, 59, 59},  // 2100 has no 29 February
        {4107542400, 2100, 3, 1, 1, 0, 0, 0},
        {1714566896, 2024, 5, 1, 3, 12, 34, 56},
        {253402300799, 9999, 12, 31, 5, 23, 59, 59},
    };
    for (const Civil& c : cases) {
        const canlog::CalendarTime t = canlog::utcTimeOf(c.seconds, 7);
        EXPECT_EQ(t.year, c.year) << c.seconds;
        EXPECT_EQ(t.month, c.month) << c.seconds;
        EXPECT_EQ(t.day, c.day) << c.seconds;
        EXPECT_EQ(t.weekday, c.weekday) << c.seconds;
        EXPECT_EQ(t.hour, c.hour) << c.seconds;
        EXPECT_EQ(t.minute, c.minute) << c.seconds;
        EXPECT_EQ(t.second, c.second) << c.seconds;
        EXPECT_EQ(t.millisecond, 7);
    }
}

sources::TimeOrigin originOf(sources::TimeOrigin::Kind kind, int64_t seconds = 0,
                             int64_t nanos = 0) {
    sources::TimeOrigin origin;
    origin.kind = kind;
    origin.startSeconds = seconds;
    origin.startNanoseconds = nanos;
    return origin;
}

using Kind = sources::TimeOrigin::Kind;

TEST(LogClock, TimesWithoutADateCountFromTheSourcesZeroAndWithoutAUnitAreZero) {
    for (const Kind kind : {Kind::kClock, Kind::kElapsed}) {
        const canlog::LogClock clock = canlog::logClockFor(originOf(kind, 1000, 0));
        EXPECT_FALSE(clock.dated);
        EXPECT_TRUE(clock.timed);
        EXPECT_EQ(clock.sinceOrigin(300000), 300000u);
    }
    const canlog::LogClock untimed = canlog::logClockFor(originOf(Kind::kNoUnit, 1000, 0));
    EXPECT_FALSE(untimed.dated);
    EXPECT_EQ(untimed.sinceOrigin(300000), 0u);
}

TEST(LogClock, ADatedSourceStartsAtItsStartWhenThatIsADate) {
    canlog::LogClock clock = canlog::logClockFor(originOf(Kind::kDated, 1714566896, 789250000));
    EXPECT_TRUE(clock.dated);
    EXPECT_TRUE(clock.timed);
    EXPECT_EQ(clock.originSeconds, 1714566896);
    EXPECT_EQ(clock.originNanoseconds, 789250000u);
    EXPECT_EQ(clock.originToMillisecond().millisecond, 789);
    EXPECT_EQ(clock.originBelowMillisecond(), 250000u);

    // Nanoseconds beyond a second, and below zero, are carried into the seconds.
    clock = canlog::logClockFor(originOf(Kind::kDated, 100, 2500000000));
    EXPECT_EQ(clock.originSeconds, 102);
    EXPECT_EQ(clock.originNanoseconds, 500000000u);
    clock = canlog::logClockFor(originOf(Kind::kDated, 100, -1));
    EXPECT_EQ(clock.originSeconds, 99);
    EXPECT_EQ(clock.originNanoseconds, 999999999u);

    // Starts no header can hold are no dates: the times run from the recording start.
    for (const auto& [seconds, nanos] : {std::pair<int64_t, int64_t>{-1, 0},
                                         {0, -1},
                                         {canlog::kLatestDatedStart + 1, 0},
                                         {INT64_MAX, INT64_MAX},
                                         {INT64_MIN, INT64_MIN},
                                         {canlog::kLatestDatedStart, 1000000000}}) {
        clock = canlog::logClockFor(originOf(Kind::kDated, seconds, nanos));
        EXPECT_FALSE(clock.dated) << seconds << " " << nanos;
        EXPECT_TRUE(clock.timed);
    }
    EXPECT_TRUE(canlog::logClockFor(originOf(Kind::kDated, canlog::kLatestDatedStart, 0)).dated);
}

TEST(LogClock, HeaderDatesInLocalTimeByDefaultOrInUtc) {
    const sources::TimeOrigin origin = originOf(Kind::kDated, 1714566896, 789250000);
    testing_support::useTimeZone("JST-9");
    canlog::LogClock clock = canlog::logClockFor(origin);
    EXPECT_FALSE(clock.utc);
    EXPECT_EQ(clock.utcOffset, 9 * 3600);
    canlog::CalendarTime start = clock.originToMillisecond();
    EXPECT_EQ(start.hour, 21);
    EXPECT_EQ(start.minute, 34);
    EXPECT_EQ(start.millisecond, 789);
    // Past midnight in Tokyo: the local date and weekday move on with it.
    const canlog::CalendarTime late = clock.calendarAt(1714575600, 5);
    EXPECT_EQ(late.day, 2);
    EXPECT_EQ(late.weekday, 4);
    EXPECT_EQ(late.hour, 0);
    EXPECT_EQ(late.millisecond, 5);
    // The instants the times count from stay those of the capture.
    EXPECT_EQ(clock.originSeconds, 1714566896);
    EXPECT_EQ(clock.originBelowMillisecond(), 250000u);

    clock = canlog::logClockFor(origin, canlog::HeaderClock::kUtc);
    EXPECT_TRUE(clock.utc);
    EXPECT_EQ(clock.originToMillisecond().hour, 12);

    // Each date with the offset of its own instant: summer time begins between start and end.
    testing_support::useTimeZone("EST5EDT,M3.2.0,M11.1.0");
    clock = canlog::logClockFor(originOf(Kind::kDated, 1710052200, 0));  // 2024-03-10 06:30 UTC
    EXPECT_EQ(clock.utcOffset, -5 * 3600);
    EXPECT_EQ(clock.originToMillisecond().hour, 1);
    EXPECT_EQ(clock.calendarAt(1710052200 + 3600, 0).hour, 3);  // 07:30 UTC is 03:30 EDT
    // A start whose local date falls before 1970 has no local header: UTC then.
    clock = canlog::logClockFor(originOf(Kind::kDated, 3600, 0));
    EXPECT_TRUE(clock.utc);
    EXPECT_EQ(clock.originToMillisecond().hour, 1);

    testing_support::useUtc();
    clock = canlog::logClockFor(origin);
    EXPECT_FALSE(clock.utc);
    EXPECT_EQ(clock.utcOffset, 0);
    EXPECT_EQ(clock.originToMillisecond().hour, 12);
}

}  // namespace
