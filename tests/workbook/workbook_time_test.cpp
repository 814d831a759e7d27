#include "workbook/workbook_time.h"

#include <gtest/gtest.h>

#include "tests/support/test_paths.h"

namespace {

using tables::TimeBase;
using tables::TimeScheme;
using workbook::spreadsheetSerial;
using workbook::WorkbookTime;
using workbook::WorkbookTimeStyle;

platform::CivilTime civil(int year, int month, int day, int hour = 0, int minute = 0,
                          int second = 0) {
    return {year, month, day, hour, minute, second};
}

TEST(SpreadsheetSerial, DaysSince1899December30WithinTheDatesSpreadsheetsShow) {
    EXPECT_DOUBLE_EQ(spreadsheetSerial(civil(1900, 3, 1), 0), 61.0);
    EXPECT_DOUBLE_EQ(spreadsheetSerial(civil(1970, 1, 1), 0), 25569.0);
    EXPECT_DOUBLE_EQ(spreadsheetSerial(civil(2024, 5, 1, 12, 34, 56), 789),
                     45413.0 + (45296.0 + 0.789) / 86400.0);
    EXPECT_DOUBLE_EQ(spreadsheetSerial(civil(1969, 12, 31, 23, 59, 59), 999),
                     25569.0 - 0.001 / 86400.0);
    EXPECT_DOUBLE_EQ(spreadsheetSerial(civil(9999, 12, 31), 0), 2958465.0);
    EXPECT_LT(spreadsheetSerial(civil(1900, 2, 28, 23, 59, 59), 999), 0.0);
    EXPECT_LT(spreadsheetSerial(civil(10000, 1, 1), 0), 0.0);
}

TEST(WorkbookTime, OneCellPerRowOnTheClockOfTheCsvTables) {
    testing_support::useTimeZone("JST-9");
    TimeBase base;
    base.scheme = TimeScheme::kDateTime;
    base.startSeconds = 1714566896;  // 2024-05-01 12:34:56 UTC
    base.startNanoseconds = 789000000;
    WorkbookTime time;
    time.start(base);
    EXPECT_EQ(time.style(), WorkbookTimeStyle::kDateTime);
    EXPECT_EQ(time.header(), "Timestamp");
    // 21:34:56.791 in Japan; the milliseconds are cut as in the msec column.
    WorkbookTime::Cell cell = time.cell(2999);
    ASSERT_EQ(cell.kind, WorkbookTime::Cell::kNumber);
    EXPECT_DOUBLE_EQ(cell.number, spreadsheetSerial(civil(2024, 5, 1, 21, 34, 56), 791));
    cell = time.cell(211000);  // the nanoseconds carry into the next second
    EXPECT_DOUBLE_EQ(cell.number, spreadsheetSerial(civil(2024, 5, 1, 21, 34, 57), 0));
    base.utc = true;
    time.start(base);
    EXPECT_DOUBLE_EQ(time.cell(2999).number, spreadsheetSerial(civil(2024, 5, 1, 12, 34, 56), 791));
    testing_support::useUtc();

    // Before the dates a spreadsheet shows: the CSV's text; an instant without a date: empty.
    base.startSeconds = -2208988800;  // 1900-01-01
    base.startNanoseconds = 0;
    time.start(base);
    cell = time.cell(1500);
    ASSERT_EQ(cell.kind, WorkbookTime::Cell::kText);
    EXPECT_EQ(cell.text, "1900/01/01 00:00:00.001");
    base.startSeconds = INT64_MAX;
    base.startNanoseconds = 999999999;
    time.start(base);
    EXPECT_EQ(time.cell(UINT64_MAX).kind, WorkbookTime::Cell::kBlank);

    // The older layout's clock and every elapsed time are seconds.
    base = TimeBase{};
    base.scheme = TimeScheme::kClock;
    time.start(base);
    EXPECT_EQ(time.header(), "Time");
    EXPECT_DOUBLE_EQ(time.cell(100000000000).number, 100000.0);  // 27:46:40.000
    EXPECT_DOUBLE_EQ(time.cell(1234567).number, 1.234);
    base.scheme = TimeScheme::kElapsed;
    time.start(base);
    EXPECT_EQ(time.header(), "TimeStamp");
    EXPECT_DOUBLE_EQ(time.cell(123456).number, 0.123456);
    EXPECT_DOUBLE_EQ(time.cell(4000000123).number, 4000.000123);
    base.scheme = TimeScheme::kNone;
    time.start(base);
    EXPECT_EQ(time.header(), "");
    EXPECT_EQ(time.cell(5).kind, WorkbookTime::Cell::kBlank);
}

}  // namespace
