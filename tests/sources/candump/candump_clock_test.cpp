#include "sources/candump/candump_clock.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_paths.h"

namespace {

using sources::TimeOrigin;
using sources::candump::Clock;
using sources::candump::LineTime;
using sources::candump::TimeForm;
using Result = Clock::Result;

LineTime seconds(uint64_t whole, uint32_t nanoseconds, int digits = 10) {
    LineTime time;
    time.form = TimeForm::kSeconds;
    time.seconds = whole;
    time.nanoseconds = nanoseconds;
    time.secondDigits = digits;
    return time;
}

LineTime date(int year, int month, int day, int hour, int minute, int second, uint32_t ns) {
    LineTime time;
    time.form = TimeForm::kDate;
    time.civil = {year, month, day, hour, minute, second};
    time.nanoseconds = ns;
    return time;
}

struct Timed {
    Result result;
    uint64_t nanoseconds;
    bool operator==(const Timed&) const = default;
};

Timed timeOf(Clock& clock, const LineTime& time) {
    Timed timed{};
    timed.result = clock.timeOf(time, timed.nanoseconds);
    return timed;
}

TEST(CandumpClock, DatedTimesCountFromTheFirstFramesSecond) {
    Clock clock;
    ASSERT_TRUE(clock.start(seconds(1700000000, 500000000), false));
    EXPECT_EQ(clock.origin().kind, TimeOrigin::Kind::kDated);
    EXPECT_EQ(clock.origin().startSeconds, 1700000000);
    EXPECT_EQ(clock.origin().startNanoseconds, 0);
    EXPECT_EQ(timeOf(clock, seconds(1700000000, 500000000)), (Timed{Result::kTime, 500000000}));
    EXPECT_EQ(timeOf(clock, seconds(1700000012, 1)), (Timed{Result::kTime, 12000000001}));
    // Written with fewer digits, still seconds since 1970: before the start.
    EXPECT_EQ(timeOf(clock, seconds(1699999999, 999999999)), (Timed{Result::kBeforeStart, 0}));
    EXPECT_EQ(timeOf(clock, seconds(5, 0, 3)), (Timed{Result::kBeforeStart, 0}));
    EXPECT_EQ(timeOf(clock, seconds(9999999999, 999999999)),
              (Timed{Result::kTime, 8299999999999999999u}));
    EXPECT_EQ(timeOf(clock, LineTime{}).result, Result::kNoTime);
    EXPECT_EQ(timeOf(clock, date(2024, 5, 1, 0, 0, 0, 0)).result, Result::kNoTime);
}

TEST(CandumpClock, ElapsedTimesAsWrittenOrAddedUpAsDeltas) {
    Clock sinceFirst;
    ASSERT_TRUE(sinceFirst.start(seconds(0, 0, 3), false));
    EXPECT_EQ(sinceFirst.origin().kind, TimeOrigin::Kind::kElapsed);
    EXPECT_EQ(timeOf(sinceFirst, seconds(0, 0, 3)), (Timed{Result::kTime, 0}));
    EXPECT_EQ(timeOf(sinceFirst, seconds(2, 250, 3)), (Timed{Result::kTime, 2000000250}));
    EXPECT_EQ(timeOf(sinceFirst, seconds(1, 0, 3)), (Timed{Result::kTime, 1000000000}));

    Clock deltas;
    ASSERT_TRUE(deltas.start(seconds(0, 0, 3), true));
    EXPECT_EQ(deltas.origin().kind, TimeOrigin::Kind::kElapsed);
    EXPECT_EQ(timeOf(deltas, seconds(0, 0, 3)), (Timed{Result::kTime, 0}));
    EXPECT_EQ(timeOf(deltas, seconds(0, 100, 3)), (Timed{Result::kTime, 100}));
    EXPECT_EQ(timeOf(deltas, seconds(1, 50, 3)), (Timed{Result::kTime, 1000000150}));
    EXPECT_EQ(timeOf(deltas, LineTime{}).result, Result::kNoTime);
    // Deltas that would pass 64 bits of nanoseconds: no time, and the sum stays.
    EXPECT_EQ(timeOf(deltas, seconds(9999999999, 0, 10)).result, Result::kTime);
    EXPECT_EQ(timeOf(deltas, seconds(9999999999, 0, 10)).result, Result::kNoTime);
    EXPECT_EQ(timeOf(deltas, seconds(0, 1, 3)),
              (Timed{Result::kTime, 9999999999000000000u + 1000000150u + 1}));

    Clock none;
    ASSERT_TRUE(none.start(LineTime{}, false));
    EXPECT_EQ(none.origin().kind, TimeOrigin::Kind::kNoUnit);
    EXPECT_EQ(timeOf(none, LineTime{}), (Timed{Result::kTime, 0}));
    EXPECT_EQ(timeOf(none, seconds(1, 0)).result, Result::kNoTime);
}

TEST(CandumpClock, LocalDatesGoToUtcThroughTheTimeZone) {
    testing_support::useTimeZone("JST-9");
    Clock clock;
    ASSERT_TRUE(clock.start(date(2024, 5, 1, 12, 34, 56, 789012000), false));
    EXPECT_EQ(clock.origin().kind, TimeOrigin::Kind::kDated);
    EXPECT_EQ(clock.origin().startSeconds, 1714534496);  // 03:34:56 UTC
    EXPECT_EQ(timeOf(clock, date(2024, 5, 1, 12, 34, 56, 789012000)),
              (Timed{Result::kTime, 789012000}));
    EXPECT_EQ(timeOf(clock, date(2024, 5, 2, 0, 0, 1, 0)),
              (Timed{Result::kTime, (11 * 3600 + 25 * 60 + 5) * 1000000000ull}));
    EXPECT_EQ(timeOf(clock, date(2024, 5, 1, 12, 34, 55, 0)), (Timed{Result::kBeforeStart, 0}));
    EXPECT_EQ(timeOf(clock, seconds(1714534497, 0)).result, Result::kNoTime);

    testing_support::useUtc();
}

}  // namespace
