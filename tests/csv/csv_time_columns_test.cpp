#include "csv/csv_time_columns.h"

#include <gtest/gtest.h>

#include "platform/local_time.h"
#include "tests/support/test_paths.h"

namespace {

using tables::TimeBase;
using tables::TimeScheme;

std::string textsAt(csv::TimeColumns& columns, uint64_t microseconds) {
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
    csv::TimeColumns columns;
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

// The joined date, time and msec columns equal texts() joined, frame after frame: across second
// boundaries (also through the start's nanoseconds), in local time and UTC, when the delimiter
// changes, and for an instant the clock cannot place (empty date and time).
TEST(TimeColumns, JoinedDateTimeColumnsAreTheTextsJoined) {
    testing_support::useTimeZone("JST-9");
    const auto joined = [](csv::TimeColumns& columns, uint64_t microseconds,
                           std::string_view delimiter) {
        const auto texts = columns.texts(microseconds);
        std::string line;
        for (size_t i = 0; i < texts.size(); ++i) {
            if (i > 0) line += delimiter;
            line += texts[i];
        }
        return line;
    };
    for (const bool utc : {false, true}) {
        for (const int64_t startSeconds : {int64_t{1714566896}, int64_t{1} << 62}) {
            TimeBase base;
            base.scheme = TimeScheme::kDateTime;
            base.utc = utc;
            base.startSeconds = startSeconds;
            base.startNanoseconds = 999500000;
            csv::TimeColumns reference;
            csv::TimeColumns fast;
            reference.start(base);
            fast.start(base);
            uint64_t microseconds = 0;
            for (int frame = 0; frame < 3000; ++frame) {
                const std::string_view delimiter = frame < 2000 ? "," : ";;";
                std::string out = "head:";
                ASSERT_TRUE(fast.appendDateTimeColumns(out, microseconds, delimiter));
                ASSERT_EQ(out, "head:" + joined(reference, microseconds, delimiter))
                    << microseconds << (utc ? " UTC" : " local");
                microseconds += 499 + static_cast<uint64_t>(frame % 7) * 1000;
            }
        }
    }
    // The other time columns are left to texts().
    for (const auto& [scheme, iso] :
         {std::pair{TimeScheme::kClock, false}, std::pair{TimeScheme::kElapsed, false},
          std::pair{TimeScheme::kNone, false}, std::pair{TimeScheme::kDateTime, true}}) {
        TimeBase base;
        base.scheme = scheme;
        base.iso8601 = iso;
        csv::TimeColumns columns;
        columns.start(base);
        std::string out;
        EXPECT_FALSE(columns.appendDateTimeColumns(out, 1000, ","));
        EXPECT_EQ(out, "");
    }
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
