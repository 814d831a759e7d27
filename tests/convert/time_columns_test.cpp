#include "convert/time_columns.h"

#include <gtest/gtest.h>

#include "platform/local_time.h"
#include "tests/support/test_paths.h"

namespace {

using convert::TimeBase;
using convert::TimeScheme;

std::string textsAt(convert::TimeColumns& columns, uint64_t microseconds) {
    std::string joined;
    for (const std::string& text : columns.texts(microseconds)) joined += text + "|";
    return joined;
}

TEST(TimeColumns, Iso8601WithTheOffsetOfTheClockInUse) {
    testing_support::useTimeZone("JST-9");
    TimeBase base;
    base.scheme = TimeScheme::kDateTime;
    base.startSeconds = 1714566896;  // 2024-05-01 12:34:56 UTC
    base.startNanoseconds = 789000000;
    base.iso8601 = true;
    convert::TimeColumns columns;
    columns.start(base);
    ASSERT_EQ(columns.headers().size(), 1u);
    EXPECT_EQ(columns.headers()[0], "Timestamp");
    EXPECT_EQ(textsAt(columns, 2234), "2024-05-01T21:34:56.791234+09:00|");
    EXPECT_EQ(textsAt(columns, 211000), "2024-05-01T21:34:57.000000+09:00|");  // carry
    base.utc = true;
    columns.start(base);
    EXPECT_EQ(textsAt(columns, 2234), "2024-05-01T12:34:56.791234+00:00|");
    // The clock chooses the columns' date and time too.
    base.iso8601 = false;
    columns.start(base);
    EXPECT_EQ(textsAt(columns, 2234), "2024/05/01|12:34:56|791|");
    base.utc = false;
    columns.start(base);
    EXPECT_EQ(textsAt(columns, 2234), "2024/05/01|21:34:56|791|");
    // Elapsed and clock times stay seconds in the ISO column.
    base = TimeBase{};
    base.scheme = TimeScheme::kClock;
    base.iso8601 = true;
    columns.start(base);
    EXPECT_EQ(textsAt(columns, 3723500000), "3723.500000|");
    testing_support::useUtc();
}

TEST(UtcTime, CalendarArithmeticOverTheWholeRange) {
    platform::CivilTime civil;
    ASSERT_TRUE(platform::utcTime(951782400, civil));  // 2000-02-29, a leap day
    EXPECT_EQ(civil.year, 2000);
    EXPECT_EQ(civil.month, 2);
    EXPECT_EQ(civil.day, 29);
    ASSERT_TRUE(platform::utcTime(-1, civil));
    EXPECT_EQ(civil.year, 1969);
    EXPECT_EQ(civil.hour, 23);
    EXPECT_FALSE(platform::utcTime(INT64_MAX, civil));
    EXPECT_FALSE(platform::utcTime(INT64_MIN, civil));
    for (int64_t seconds : {int64_t{0}, int64_t{1714566896}, int64_t{-62167219200},
                            int64_t{253402300799}, int64_t{4102444800}}) {
        ASSERT_TRUE(platform::utcTime(seconds, civil)) << seconds;
        EXPECT_EQ(platform::secondsOfCivil(civil), seconds);
    }
}

}  // namespace
