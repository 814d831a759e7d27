#include "sources/trc/trc_header.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/local_time.h"
#include "tests/support/test_paths.h"

namespace {

using sources::TimeOrigin;
using sources::trc::ClockTime;
using sources::trc::Columns;
using sources::trc::Header;
using sources::trc::HeaderItem;
using sources::trc::Version;

int64_t secondsOf(int year, int month, int day, int hour, int minute, int second) {
    platform::CivilTime civil;
    civil.year = year;
    civil.month = month;
    civil.day = day;
    civil.hour = hour;
    civil.minute = minute;
    civil.second = second;
    return platform::secondsOfCivil(civil);
}

std::string lettersOf(const Columns& columns) {
    return std::string(columns.letters.data(), columns.count);
}

TEST(TrcHeader, StartTimeIsDaysSince1899WithAnExactFractionOfTheDay) {
    ClockTime clock;
    bool zero = true;
    // 0.6028595139 of a day is 52087.06200096 seconds: 14:28:07.062.
    ASSERT_TRUE(sources::trc::readStartTime("44548.6028595139", clock, zero));
    EXPECT_FALSE(zero);
    EXPECT_EQ(clock.seconds, secondsOf(2021, 12, 18, 14, 28, 7));
    EXPECT_EQ(clock.nanoseconds, 62000960);
    // PEAK's example of a 1.2 file has a ';' behind it.
    ASSERT_TRUE(sources::trc::readStartTime("39878.6772258947;", clock, zero));
    EXPECT_EQ(clock.seconds, secondsOf(2009, 3, 6, 16, 15, 12));
    EXPECT_EQ(clock.nanoseconds, 317302080);
    ASSERT_TRUE(sources::trc::readStartTime("25569.5", clock, zero));
    EXPECT_EQ(clock.seconds, 43200);
    EXPECT_EQ(clock.nanoseconds, 0);
    // Decimals past the twelfth are below 100 ns: checked as digits, left out of the value.
    ASSERT_TRUE(sources::trc::readStartTime("25569.00000000000199999", clock, zero));
    EXPECT_EQ(clock.seconds, 0);
    EXPECT_EQ(clock.nanoseconds, 86);  // 1e-12 of a day, 86.4 ns
    ASSERT_TRUE(sources::trc::readStartTime("0", clock, zero));
    EXPECT_TRUE(zero);
    ASSERT_TRUE(sources::trc::readStartTime("0.0", clock, zero));
    EXPECT_TRUE(zero);
    for (const char* bad : {"", ".", "-1.5", "1e5", "44548.", "44548,5", "2958466", "4.5.6", "x"})
        EXPECT_FALSE(sources::trc::readStartTime(bad, clock, zero)) << bad;
}

TEST(TrcHeader, StartCommentsOfPeakToolsAndOfIsoDatesRead) {
    struct Case {
        const char* text;
        int64_t seconds;
        int64_t nanoseconds;
    };
    const Case cases[] = {
        {"11.09.2002 16:00:20.682", secondsOf(2002, 9, 11, 16, 0, 20), 682000000},
        {"07.05.2015 11:09:27.047.8", secondsOf(2015, 5, 7, 11, 9, 27), 47800000},
        {"18.12.2021 14:28:07.062.001", secondsOf(2021, 12, 18, 14, 28, 7), 62001000},
        {"29.07.2009 12:35:20.701.0", secondsOf(2009, 7, 29, 12, 35, 20), 701000000},
        {"2011-05-31 16:43:53.282", secondsOf(2011, 5, 31, 16, 43, 53), 282000000},
        {"2024-01-02 03:04:05.123456", secondsOf(2024, 1, 2, 3, 4, 5), 123456000},
        {"1.2.2003 4:05:06", secondsOf(2003, 2, 1, 4, 5, 6), 0},
    };
    for (const Case& c : cases) {
        ClockTime clock;
        ASSERT_TRUE(sources::trc::readStartComment(c.text, clock)) << c.text;
        EXPECT_EQ(clock.seconds, c.seconds) << c.text;
        EXPECT_EQ(clock.nanoseconds, c.nanoseconds) << c.text;
    }
    for (const char* bad :
         {"45678 days, 12:34:56.789000", "32.01.2020 00:00:00", "11.13.2002 16:00:20",
          "11.09.2002 24:00:00", "11.09.2002 16:00", "11.09.02 16:00:20",
          "11.09.2002 16:00:20.682 PM", "2011-05-31 16:43:53.282.1", "11.09.2002 16:00:20.68.1",
          "11.09.2002T16:00:20", ""}) {
        ClockTime clock;
        EXPECT_FALSE(sources::trc::readStartComment(bad, clock)) << bad;
    }
}

TEST(TrcHeader, ColumnsAreKnownLettersEachOnceWithTheDataLast) {
    Columns columns;
    ASSERT_TRUE(sources::trc::readColumns("N,O,T,B,I,d,R,L,D", columns));
    EXPECT_EQ(lettersOf(columns), "NOTBIdRLD");
    ASSERT_TRUE(sources::trc::readColumns("N, O ,T,I,d,l,D", columns));
    EXPECT_EQ(lettersOf(columns), "NOTIdlD");
    ASSERT_TRUE(sources::trc::readColumns("O,T,I,L,D", columns));
    EXPECT_EQ(lettersOf(columns), "OTILD");
    for (const char* bad :
         {"", "N,O,T,B,I,d,R,L", "N,O,T,B,I,d,R,D,L", "N,O,T,I,d,l,L,D", "N,O,T,I,d,D",
          "N,O,O,T,I,l,D", "N,O,T,I,X,l,D", "N,O,T,I,dd,l,D", "N,O,T,I,,l,D", "N,T,I,l,D",
          "N,O,I,l,D", "N,O,T,l,D", "N,O,T,B,I,d,R,L,D,N"}) {
        Columns untouched;
        EXPECT_FALSE(sources::trc::readColumns(bad, untouched)) << bad;
        EXPECT_EQ(untouched.count, 0) << bad;
    }
    EXPECT_EQ(lettersOf(sources::trc::defaultColumns(Version::k2_0)), "NOTIdlD");
    EXPECT_EQ(lettersOf(sources::trc::defaultColumns(Version::k2_1)), "NOTBIdRLD");
}

TEST(TrcHeader, CommentLinesGiveVersionStartAndColumns) {
    Header header;
    using sources::trc::readHeaderComment;
    EXPECT_EQ(readHeaderComment(";$FILEVERSION=1.3", header), HeaderItem::kVersion);
    EXPECT_TRUE(header.hasVersion);
    EXPECT_EQ(header.version, Version::k1_3);
    EXPECT_EQ(readHeaderComment(";$FILEVERSION = 2.0 ", header), HeaderItem::kVersion);
    EXPECT_EQ(header.version, Version::k2_0);
    EXPECT_EQ(readHeaderComment(";$STARTTIME=37704.5364870833", header), HeaderItem::kStart);
    EXPECT_TRUE(header.hasStart);
    EXPECT_EQ(header.start.seconds, secondsOf(2003, 3, 24, 12, 52, 32));
    EXPECT_EQ(readHeaderComment(";$COLUMNS=N,O,T,I,d,l,D", header), HeaderItem::kColumns);
    EXPECT_EQ(lettersOf(header.columns), "NOTIdlD");
    EXPECT_EQ(readHeaderComment(";   Start time: 24.03.2003 12:52:32.484", header),
              HeaderItem::kStartComment);
    EXPECT_TRUE(header.hasStartComment);
    EXPECT_EQ(header.startComment.nanoseconds, 484000000);
    EXPECT_EQ(readHeaderComment(";   Generated by PCAN-View v4.0.29.426", header),
              HeaderItem::kNone);
    EXPECT_EQ(readHeaderComment(";    Start time: 45678 days, 12:34:56.789000", header),
              HeaderItem::kNone);
    EXPECT_EQ(readHeaderComment(";$FILEVERSIONS=2.1", header), HeaderItem::kNone);
    EXPECT_EQ(readHeaderComment(";$STARTTIME=0", header), HeaderItem::kNoStart);
    EXPECT_FALSE(header.hasStart);
    EXPECT_EQ(readHeaderComment(";$STARTTIME=yesterday", header), HeaderItem::kBadStart);
    EXPECT_EQ(readHeaderComment(";$COLUMNS=N,O,T", header), HeaderItem::kBadColumns);
    EXPECT_FALSE(header.hasColumns);
    EXPECT_EQ(readHeaderComment(";$FILEVERSION=3.0", header), HeaderItem::kBadVersion);
    EXPECT_FALSE(header.hasVersion);
    EXPECT_EQ(readHeaderComment("$FILEVERSION=2.1", header), HeaderItem::kNone);
}

TEST(TrcHeader, TheStartIsTheRecordingComputersLocalTime) {
    const ClockTime clock{secondsOf(2021, 12, 18, 14, 28, 7), 62000960};
    testing_support::useTimeZone("JST-9");
    TimeOrigin origin = sources::trc::originOfClock(clock);
    EXPECT_EQ(origin.kind, TimeOrigin::Kind::kDated);
    EXPECT_EQ(origin.startSeconds, secondsOf(2021, 12, 18, 5, 28, 7));
    EXPECT_EQ(origin.startNanoseconds, 62000960);
    testing_support::useUtc();
    origin = sources::trc::originOfClock(clock);
    EXPECT_EQ(origin.startSeconds, clock.seconds);
#ifndef _WIN32
    // Summer time: two hours ahead of UTC in July, one in December.
    testing_support::useTimeZone("CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(sources::trc::originOfClock({secondsOf(2015, 7, 24, 9, 46, 56), 0}).startSeconds,
              secondsOf(2015, 7, 24, 7, 46, 56));
    EXPECT_EQ(sources::trc::originOfClock(clock).startSeconds, secondsOf(2021, 12, 18, 13, 28, 7));
    testing_support::useUtc();
#endif
}

}  // namespace
