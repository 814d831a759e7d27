#include "convert/row_times.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

convert::TimeBase base(convert::TimeScheme scheme, int64_t seconds = 0, int64_t nanoseconds = 0) {
    convert::TimeBase time;
    time.scheme = scheme;
    time.startSeconds = seconds;
    time.startNanoseconds = nanoseconds;
    return time;
}

TEST(RowTimes, OnlyACalendarTimeHasAnInstantAndOnlyAKnownUnitElapsedSeconds) {
    const convert::RowTime none = convert::rowTimeOf(base(convert::TimeScheme::kNone), 5);
    EXPECT_EQ(none.instant, convert::kNoInstant);
    EXPECT_TRUE(std::isnan(none.elapsed));
    for (auto scheme : {convert::TimeScheme::kClock, convert::TimeScheme::kElapsed}) {
        const convert::RowTime time = convert::rowTimeOf(base(scheme, 1700000000), 2500000);
        EXPECT_EQ(time.instant, convert::kNoInstant);
        EXPECT_EQ(time.elapsed, 2.5);
    }
    const convert::RowTime dated =
        convert::rowTimeOf(base(convert::TimeScheme::kDateTime, 1714566896, 789000000), 1250);
    EXPECT_EQ(dated.instant, 1714566896790250000);
    EXPECT_EQ(dated.elapsed, 0.00125);
    // Before 1970 is a time like any other.
    EXPECT_EQ(convert::rowTimeOf(base(convert::TimeScheme::kDateTime, -2, 0), 500000).instant,
              -1500000000);
}

TEST(RowTimes, StartTimesAndCountsBeyondSixtyFourBitNanosecondsHaveNoInstant) {
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
    const auto instant = [](int64_t seconds, int64_t nanoseconds, uint64_t microseconds) {
        return convert::rowTimeOf(base(convert::TimeScheme::kDateTime, seconds, nanoseconds),
                                  microseconds)
            .instant;
    };
    EXPECT_EQ(instant(kMax, 0, 0), convert::kNoInstant);
    EXPECT_EQ(instant(kMin, 0, 0), convert::kNoInstant);
    EXPECT_EQ(instant(0, kMax, 1), convert::kNoInstant);
    EXPECT_EQ(instant(0, kMin, 0), convert::kNoInstant);
    EXPECT_EQ(instant(0, 0, std::numeric_limits<uint64_t>::max()), convert::kNoInstant);
    EXPECT_EQ(instant(9223372036, 0, 854775), 9223372036854775000);  // the last that fits
    EXPECT_EQ(instant(9223372036, 0, 854776), convert::kNoInstant);
    EXPECT_EQ(convert::rowTimeOf(base(convert::TimeScheme::kDateTime, kMax, 0), 3).elapsed,
              0.000003);
}

}  // namespace
