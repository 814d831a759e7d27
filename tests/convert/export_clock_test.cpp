#include "convert/export_clock.h"

#include <gtest/gtest.h>

#include "convert/frame_text.h"

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
        const convert::UtcTime t = convert::utcTimeOf(c.seconds, 7);
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

monitor::MonitorFile captureOf(int variant, int mode, int64_t seconds = 0, int64_t nanos = 0) {
    monitor::MonitorFile file;
    file.variant = variant;
    file.timeStampMode = mode;
    file.info29.startSeconds = seconds;
    file.info29.startNanoseconds = nanos;
    return file;
}

TEST(ExportClock, Layout27CountsInItsModesUnitWithoutADate) {
    const uint64_t expected[] = {0, 100000, 100000, 100000, 100000, 10000, 1000, 0};
    for (int mode = 0; mode <= 7; ++mode) {
        const convert::ExportClock clock = convert::exportClockFor(captureOf(27, mode, 1000, 0));
        EXPECT_EQ(clock.nanosecondsPerCount, expected[mode]) << mode;
        EXPECT_FALSE(clock.dated);
        EXPECT_EQ(clock.sinceOrigin(3), 3 * expected[mode]);
    }
    EXPECT_EQ(convert::exportClockFor(captureOf(27, -1)).nanosecondsPerCount, 0u);
}

TEST(ExportClock, Layout29StartsAtTheRecordingStartWhenThatIsADate) {
    convert::ExportClock clock = convert::exportClockFor(captureOf(29, 0, 1714566896, 789250000));
    EXPECT_TRUE(clock.dated);
    EXPECT_EQ(clock.nanosecondsPerCount, 1000u);
    EXPECT_EQ(clock.originSeconds, 1714566896);
    EXPECT_EQ(clock.originNanoseconds, 789250000u);
    EXPECT_EQ(clock.originToMillisecond().millisecond, 789);
    EXPECT_EQ(clock.originBelowMillisecond(), 250000u);

    // Nanoseconds beyond a second, and below zero, are carried into the seconds.
    clock = convert::exportClockFor(captureOf(29, 0, 100, 2500000000));
    EXPECT_EQ(clock.originSeconds, 102);
    EXPECT_EQ(clock.originNanoseconds, 500000000u);
    clock = convert::exportClockFor(captureOf(29, 0, 100, -1));
    EXPECT_EQ(clock.originSeconds, 99);
    EXPECT_EQ(clock.originNanoseconds, 999999999u);

    // Starts no header can hold are no dates: the counts run from the recording start.
    for (const auto& [seconds, nanos] : {std::pair<int64_t, int64_t>{-1, 0},
                                         {0, -1},
                                         {convert::kLatestDatedStart + 1, 0},
                                         {INT64_MAX, INT64_MAX},
                                         {INT64_MIN, INT64_MIN},
                                         {convert::kLatestDatedStart, 1000000000}}) {
        clock = convert::exportClockFor(captureOf(29, 0, seconds, nanos));
        EXPECT_FALSE(clock.dated) << seconds << " " << nanos;
        EXPECT_EQ(clock.nanosecondsPerCount, 1000u);
    }
    EXPECT_TRUE(convert::exportClockFor(captureOf(29, 0, convert::kLatestDatedStart, 0)).dated);
    EXPECT_FALSE(convert::exportClockFor(captureOf(0, 1)).dated);
    EXPECT_EQ(convert::exportClockFor(captureOf(0, 1)).nanosecondsPerCount, 0u);
}

TEST(CanFdLength, RoundsUpToTheLengthsCanFdCarries) {
    for (int length = 0; length <= 64; ++length) {
        const int rounded = convert::canFdLength(length);
        int expected = 64;
        for (const int carried : {0, 1, 2, 3, 4, 5, 6, 7, 8, 12, 16, 20, 24, 32, 48, 64}) {
            if (carried >= length) {
                expected = carried;
                break;
            }
        }
        EXPECT_EQ(rounded, expected) << length;
        // The code of each length: its index among the lengths CAN FD carries.
        static constexpr int kLengths[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 12, 16, 20, 24, 32, 48, 64};
        EXPECT_EQ(kLengths[convert::canFdDlc(rounded)], rounded) << length;
    }
    EXPECT_EQ(convert::canFdLength(36), 48);
}

}  // namespace
