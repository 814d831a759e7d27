#include "sources/asc/asc_date.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_paths.h"

namespace {

using sources::asc::AscDate;
using sources::asc::parseAscDate;

std::string dateText(const AscDate& date) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%09u", date.civil.year,
                  date.civil.month, date.civil.day, date.civil.hour, date.civil.minute,
                  date.civil.second, date.nanoseconds);
    return text;
}

TEST(AscDate, ReadsTheFormsTheWritersUse) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        // Vector's tools, python-can and this program's export: a 12-hour clock, milliseconds.
        {"Wed May 01 12:34:56.789 pm 2024", "2024-05-01 12:34:56.789000000"},
        {"Thu Apr 28 10:44:52.480 am 2022", "2022-04-28 10:44:52.480000000"},
        {"Sat Sep 30 10:06:13.191 PM 2017", "2017-09-30 22:06:13.191000000"},
        {"Mon Jan 01 12:00:00.000 am 2024", "2024-01-01 00:00:00.000000000"},
        {"Mon Jan 01 12:59:59.999 pm 2024", "2024-01-01 12:59:59.999000000"},
        {"Mon Mar 7 01:21:51 pm 2005", "2005-03-07 13:21:51.000000000"},
        // python-can's trigger block takes the fraction's first digits from repr(): ".5".
        {"Wed May 01 12:34:56.5 pm 2024", "2024-05-01 12:34:56.500000000"},
        // log2asc: the C library's ctime, a blank for the day's missing tens.
        {"Wed May  1 12:34:56 2024", "2024-05-01 12:34:56.000000000"},
        // German CANoe: German words, a 24-hour clock.
        {"Sam Sep 30 15:06:13.191 2017", "2017-09-30 15:06:13.191000000"},
        {"Die Dez 21 11:29:01 2004", "2004-12-21 11:29:01.000000000"},
        {"Mi M\xC3\xA4r 13 08:00:00 2024", "2024-03-13 08:00:00.000000000"},
        {"Mi M\xE4r 13 08:00:00 2024", "2024-03-13 08:00:00.000000000"},
        {"Fr Okt 04 23:59:60 2024", "2024-10-04 23:59:60.000000000"},
        {"Do Mai 02 00:00:00.123456789 2024", "2024-05-02 00:00:00.123456789"},
        {"Thu Feb 29 01:02:03.1234567891 2024", "2024-02-29 01:02:03.123456789"},
        {"  Wed\tMay 01 12:34:56 2024  ", "2024-05-01 12:34:56.000000000"},
    };
    for (const auto& c : cases) {
        AscDate date;
        ASSERT_TRUE(parseAscDate(c.text, date)) << c.text;
        EXPECT_EQ(dateText(date), c.expected) << c.text;
    }
}

TEST(AscDate, RejectsDatesThatDoNotExistOrDoNotRead) {
    for (const char* text : {
             "", "Wed",
             "Wed May 01 12:34:56.789 pm",     // no year
             "Wed Foo 01 12:34:56 2024",       // no month
             "Wed Apr 31 12:34:56 2024",       // April has 30 days
             "Wed Feb 29 12:34:56 2023",       // not a leap year
             "Wed May 01 13:34:56 pm 2024",    // 13 on a 12-hour clock
             "Wed May 01 00:34:56 am 2024",    // 0 on a 12-hour clock
             "Wed May 01 24:00:00 2024",       // no hour 24
             "Wed May 01 12:60:00 2024",       // no minute 60
             "Wed May 01 12:34 2024",          // no seconds
             "Wed May 01 12:34:56. 2024",      // a point without a fraction
             "Wed May 01 12:34:56.7x 2024",    // not a fraction
             "Wed May 001 12:34:56 2024",      // three digits of day
             "Wed May 01 12:34:56 224",        // three digits of year
             "Wed May 01 12:34:56 1899",       // before 1900
             "Wed May 01 12:34:56 2024 extra"  // something behind the year
         }) {
        AscDate date;
        EXPECT_FALSE(parseAscDate(text, date)) << text;
    }
}

TEST(AscDate, LocalDatesBecomeTheirInstantsInTheMachinesZone) {
    platform::CivilTime civil{2024, 5, 1, 12, 34, 56};
    int64_t seconds = 0;
    testing_support::useTimeZone("JST-9");
    ASSERT_TRUE(platform::secondsOfLocalCivil(civil, seconds));
    EXPECT_EQ(seconds, 1714534496);  // 03:34:56 UTC
#ifndef _WIN32
    // Central Europe: summer time (UTC+2) in May, winter time (UTC+1) in January, and every
    // hour of a year comes back to its instant (the hour the clock repeats in October aside).
    testing_support::useTimeZone("CET-1CEST,M3.5.0,M10.5.0/3");
    ASSERT_TRUE(platform::secondsOfLocalCivil(civil, seconds));
    EXPECT_EQ(seconds, 1714566896 - 7200);
    ASSERT_TRUE(platform::secondsOfLocalCivil({2024, 1, 15, 12, 0, 0}, seconds));
    EXPECT_EQ(seconds, 1705320000 - 3600);
    const int64_t yearStart = 1704067200;  // 2024-01-01 UTC
    for (int64_t instant = yearStart; instant < yearStart + 366 * 86400; instant += 3599) {
        platform::CivilTime shown;
        ASSERT_TRUE(platform::localTime(instant, shown));
        ASSERT_TRUE(platform::secondsOfLocalCivil(shown, seconds));
        platform::CivilTime again;
        ASSERT_TRUE(platform::localTime(seconds, again));
        EXPECT_EQ(platform::secondsOfCivil(again), platform::secondsOfCivil(shown)) << instant;
        if (!(shown.month == 10 && shown.day == 27 && shown.hour == 2)) {
            EXPECT_EQ(seconds, instant);
        }
    }
#endif
    testing_support::useUtc();
    ASSERT_TRUE(platform::secondsOfLocalCivil(civil, seconds));
    EXPECT_EQ(seconds, 1714566896);
}

}  // namespace
