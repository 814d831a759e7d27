// Inputs a trace reader must survive: files that are no trace, damaged lines, files cut
// anywhere, huge files and failing reads.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include "sources/trc/trc_source.h"
#include "tests/sources/trc/trc_reading.h"

namespace {

using namespace trc_test;
using sources::TrcSource;

TEST(TrcHostile, WhatIsNoTraceFileFailsToOpen) {
    const std::string huge(1 << 20, 'A');
    const std::string manyComments = [] {
        std::string text;
        for (uint64_t i = 0; i < TrcSource::kHeadLines + 5; ++i) text += ";\r\n";
        return text + "     1)      1841      0001  0\r\n";
    }();
    const struct {
        std::string bytes;
        std::string message;
    } cases[] = {
        {"", "byte 0: the file is empty"},
        {std::string("\x7F"
                     "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0",
                     20),
         "line 1: not a PEAK trace file: no $FILEVERSION and no message line"},
        {huge + "\n     1)      1841      0001  0\n",
         "line 1: not a PEAK trace file: no $FILEVERSION and no message line"},
        {"; settings\r\n[txtcvtParams]\r\ncsvDelimit=,\r\n",
         "line 2: not a PEAK trace file: no $FILEVERSION and no message line"},
        {"date Sam Sep 30 15:06:13.191 2017\nbase hex  timestamps absolute\n",
         "line 1: not a PEAK trace file: no $FILEVERSION and no message line"},
        {";just a comment\n", "line 1: not a PEAK trace file: no $FILEVERSION and no message line"},
        {manyComments, "line 1000: not a PEAK trace file: no $FILEVERSION and no message line"},
        {";$FILEVERSION=3.0\r\n", "line 1: a file version other than 1.0 to 2.1"},
        {";$FILEVERSION=2.1\r\n;\r\n;$COLUMNS=N,O,T,B,I,d,R,L\r\n1 1.0 DT 1 0001 Rx - 0\r\n",
         "line 3: $COLUMNS lists columns this reader cannot follow"},
    };
    for (const auto& c : cases) {
        const Reading reading = readAll(c.bytes);
        EXPECT_EQ(reading.opened.code(), platform::kInvalidData) << c.message;
        EXPECT_EQ(reading.opened.description(), c.message);
    }
    // A head without frames is an empty trace; a message line alone is a 1.0 file.
    EXPECT_TRUE(readAll(";$FILEVERSION=1.1\r\n").opened.ok());
    const Reading bare = readAll("\xEF\xBB\xBF     1)      1841      0001  1  FF\n");
    ASSERT_TRUE(bare.opened.ok()) << bare.opened.description();
    EXPECT_EQ(bare.origin.kind, TimeOrigin::Kind::kElapsed);
    EXPECT_EQ(bare.frames, (std::vector<std::string>{"1841000000 ch0 Rx 1 data 1: FF @1"}));
}

TEST(TrcHostile, DamagedLinesAreCountedAndTheReadingGoesOn) {
    std::string bytes = file({
        ";$FILEVERSION=2.1", "      1         1.000 DT 1      0001 Rx -  1    01",
        "      2         2.000 DT 1      0002 Rx -  99   02",  // length code 99
        "      3         3.000 DT 1  FFFFFFFF Rx -  0",        // identifier over 29 bits
        "      4         4.000 DT 0      0004 Rx -  0",        // bus 0
        "      5         5.000 DT 1      0005 Rx -  2    05",  // a byte short
        "      6         6.000 ZZ 1      0006 Rx -  0",        // a type no PEAK tool writes
    });
    bytes += std::string(1 << 20, '7') + "\r\n";                         // line 8: 1 MB
    bytes += std::string("\x01\x02\xFF\xFE binary\0junk", 16) + "\r\n";  // line 9
    bytes += file({"      9         9.000 DT 3      0009 Tx -  1    09"});
    const Reading reading = readAll(bytes);
    ASSERT_TRUE(reading.opened.ok()) << reading.opened.description();
    EXPECT_TRUE(reading.ended.ok());
    EXPECT_EQ(reading.frames, (std::vector<std::string>{"1000000 ch0 Rx 1 data 1: 01 @2",
                                                        "9000000 ch2 Tx 9 data 1: 09 @10"}));
    EXPECT_EQ(reading.counts.unreadable, 6u);
    EXPECT_EQ(reading.counts.firstUnreadable, (std::vector<uint64_t>{3, 4, 5, 6, 8}));
    EXPECT_EQ(reading.counts.skipped, (Skipped{{"comments", 1}, {"lines of other types", 1}}));
    EXPECT_FALSE(reading.counts.cutShort);
}

TEST(TrcHostile, AFileCutInsideALineSaysWhere) {
    const Reading whole = readAll(kVersion2_1);
    ASSERT_EQ(whole.frames.size(), 5u);
    const size_t columnsEnd = kVersion2_1.find(",D\r\n") + 2;
    for (size_t cut = 0; cut <= kVersion2_1.size(); ++cut) {
        const std::string part = kVersion2_1.substr(0, cut);
        const Reading reading = readAll(part);
        if (!reading.opened.ok()) {
            EXPECT_LT(cut, columnsEnd) << "a head cut before its columns end is no trace";
            continue;
        }
        // What was read is what the whole file begins with, but for a last line cut short.
        ASSERT_LE(reading.frames.size(), whole.frames.size());
        const size_t lines = static_cast<size_t>(std::count(part.begin(), part.end(), '\n'));
        const std::string cutLine = " @" + std::to_string(lines + 1);
        for (size_t i = 0; i < reading.frames.size(); ++i) {
            if (!reading.frames[i].ends_with(cutLine)) {
                EXPECT_EQ(reading.frames[i], whole.frames[i]) << "cut at " << cut;
            }
        }
        if (reading.counts.cutShort) {
            EXPECT_EQ(reading.counts.cutShortWhere,
                      "line " + std::to_string(lines + 1) + ": the file ends inside this line");
        }
    }
    // Inside the data of line 9, and at the end of that line.
    const size_t line9 = kVersion2_1.find("      5      1334.416");
    const size_t line10 = kVersion2_1.find("      6      1334.222");
    Reading reading = readAll(kVersion2_1.substr(0, line10 - 8));
    EXPECT_TRUE(reading.counts.cutShort);
    EXPECT_EQ(reading.counts.cutShortWhere, "line 9: the file ends inside this line");
    EXPECT_EQ(reading.counts.firstUnreadable, (std::vector<uint64_t>{9}));
    reading = readAll(kVersion2_1.substr(0, line10 - 2));
    EXPECT_FALSE(reading.counts.cutShort);
    EXPECT_EQ(reading.frames.size(), 2u);
    EXPECT_GT(line10, line9);
}

TEST(TrcHostile, AHugeFileStreamsInFlatMemory) {
    const std::string line =
        "      1      1059.900 DT 1  18EFC034 Rx -  8    01 02 03 04 05 06 07 08\r\n";
    constexpr uint64_t kLines = 1500000;  // 108 MB
    TrcSource source(std::make_unique<RepeatedInput>(";$FILEVERSION=2.1\r\n", line, kLines));
    ASSERT_TRUE(source.open().ok());
#ifndef _WIN32
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
#endif
    std::vector<can::Frame> frames(1000);
    uint64_t count = 0;
    uint64_t lastPlace = 0;
    while (const size_t got = source.read(frames)) {
        count += got;
        lastPlace = frames[got - 1].place;
    }
    EXPECT_EQ(count, kLines);
    EXPECT_EQ(lastPlace, kLines + 1);
    EXPECT_EQ(source.counts().unreadable, 0u);
    EXPECT_EQ(source.bytesRead(), 19 + kLines * line.size());
#ifndef _WIN32
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 16 * 1024) << "kB more at the peak";
#endif
}

TEST(TrcHostile, AReadFailureEndsTheReadingAndACompressedFileCutShortIsSaid) {
    auto failing = std::make_unique<TestInput>(kVersion2_1, 16);
    failing->failAfter = kVersion2_1.find("     12 ");
    Reading reading = readAll(std::move(failing));
    ASSERT_TRUE(reading.opened.ok());
    EXPECT_EQ(reading.ended.code(), platform::systemError(23));
    EXPECT_EQ(reading.frames.size(), 3u);

    failing = std::make_unique<TestInput>(kVersion2_1);
    failing->failAfter = 10;
    EXPECT_EQ(readAll(std::move(failing)).opened.code(), platform::systemError(23));

    auto early = std::make_unique<TestInput>(kVersion2_1);
    early->endsEarly = true;
    reading = readAll(std::move(early));
    EXPECT_TRUE(reading.ended.ok());
    EXPECT_EQ(reading.frames.size(), 5u);
    EXPECT_TRUE(reading.counts.cutShort);
    EXPECT_EQ(reading.counts.cutShortWhere,
              "line 16: the stored file ends before the data it holds");
}

}  // namespace
