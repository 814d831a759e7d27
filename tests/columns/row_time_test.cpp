#include "columns/row_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

tables::TimeBase base(tables::TimeScheme scheme, int64_t seconds = 0, int64_t nanoseconds = 0) {
    tables::TimeBase time;
    time.scheme = scheme;
    time.startSeconds = seconds;
    time.startNanoseconds = nanoseconds;
    return time;
}

TEST(RowTimes, OnlyACalendarTimeHasAnInstantAndOnlyAKnownUnitElapsedSeconds) {
    const columns::RowTime none = columns::rowTimeOf(base(tables::TimeScheme::kNone), 5);
    EXPECT_EQ(none.instant, columns::kNoInstant);
    EXPECT_TRUE(std::isnan(none.elapsed));
    for (auto scheme : {tables::TimeScheme::kClock, tables::TimeScheme::kElapsed}) {
        const columns::RowTime time = columns::rowTimeOf(base(scheme, 1700000000), 2500000);
        EXPECT_EQ(time.instant, columns::kNoInstant);
        EXPECT_EQ(time.elapsed, 2.5);
    }
    const columns::RowTime dated =
        columns::rowTimeOf(base(tables::TimeScheme::kDateTime, 1714566896, 789000000), 1250);
    EXPECT_EQ(dated.instant, 1714566896790250000);
    EXPECT_EQ(dated.elapsed, 0.00125);
    // Before 1970 is a time like any other.
    EXPECT_EQ(columns::rowTimeOf(base(tables::TimeScheme::kDateTime, -2, 0), 500000).instant,
              -1500000000);
}

TEST(RowTimes, StartTimesAndCountsBeyondSixtyFourBitNanosecondsHaveNoInstant) {
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
    const auto instant = [](int64_t seconds, int64_t nanoseconds, uint64_t microseconds) {
        return columns::rowTimeOf(base(tables::TimeScheme::kDateTime, seconds, nanoseconds),
                                  microseconds)
            .instant;
    };
    EXPECT_EQ(instant(kMax, 0, 0), columns::kNoInstant);
    EXPECT_EQ(instant(kMin, 0, 0), columns::kNoInstant);
    EXPECT_EQ(instant(0, kMax, 1), columns::kNoInstant);
    EXPECT_EQ(instant(0, kMin, 0), columns::kNoInstant);
    EXPECT_EQ(instant(0, 0, std::numeric_limits<uint64_t>::max()), columns::kNoInstant);
    EXPECT_EQ(instant(9223372036, 0, 854775), 9223372036854775000);  // the last that fits
    EXPECT_EQ(instant(9223372036, 0, 854776), columns::kNoInstant);
    EXPECT_EQ(columns::rowTimeOf(base(tables::TimeScheme::kDateTime, kMax, 0), 3).elapsed,
              0.000003);
}

}  // namespace
