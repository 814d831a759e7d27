#include "sources/trc/trc_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include "tests/sources/trc/trc_test_support.h"
#include "tests/support/test_paths.h"

namespace {

using sources::SourceCounts;
using sources::TimeOrigin;
using sources::TrcSource;
using sources::trc::Version;

// Bytes handed out a few at a time; it may fail after some, or end as a compressed file cut
// short does.
class TestInput final : public sources::ByteInput {
public:
    explicit TestInput(std::string bytes, size_t piece = 1 << 20)
        : bytes_(std::move(bytes)), piece_(piece) {}
    size_t failAfter = SIZE_MAX;
    bool endsEarly = false;

    size_t read(std::span<uint8_t> buffer) override {
        if (offset_ >= failAfter) {
            failed_ = true;
            return 0;
        }
        const size_t count =
            std::min({buffer.size(), piece_, bytes_.size() - offset_, failAfter - offset_});
        std::memcpy(buffer.data(), bytes_.data() + offset_, count);
        offset_ += count;
        return count;
    }
    platform::Status status() const override {
        return failed_ ? platform::Status::failure(platform::systemError(23)) : platform::Status{};
    }
    uint64_t consumed() const override { return offset_; }
    bool cutShort() const override { return endsEarly && offset_ == bytes_.size(); }

private:
    std::string bytes_;
    size_t piece_;
    size_t offset_ = 0;
    bool failed_ = false;
};

// A file of `count` copies of one line after a head, made while it is read: a file of any
// size without the memory to hold it.
class RepeatedInput final : public sources::ByteInput {
public:
    RepeatedInput(std::string head, std::string line, uint64_t count)
        : head_(std::move(head)), line_(std::move(line)), left_(count) {}
    size_t read(std::span<uint8_t> buffer) override {
        size_t filled = 0;
        while (filled < buffer.size()) {
            if (at_ == piece().size()) {
                if (inHead_) {
                    inHead_ = false;
                } else if (left_ == 0 || --left_ == 0) {
                    break;
                }
                at_ = 0;
            }
            const size_t count = std::min(buffer.size() - filled, piece().size() - at_);
            std::memcpy(buffer.data() + filled, piece().data() + at_, count);
            filled += count;
            at_ += count;
        }
        consumed_ += filled;
        return filled;
    }
    platform::Status status() const override { return {}; }
    uint64_t consumed() const override { return consumed_; }

private:
    const std::string& piece() const { return inHead_ ? head_ : line_; }
    std::string head_;
    std::string line_;
    uint64_t left_;
    bool inHead_ = true;
    size_t at_ = 0;
    uint64_t consumed_ = 0;
};

struct Reading {
    platform::Status opened;
    platform::Status ended;
    Version version = Version::k1_0;
    TimeOrigin origin;
    SourceCounts counts;
    std::vector<std::string> frames;  // described, with " @" and the line
    uint64_t bytesRead = 0;
};

Reading readAll(std::unique_ptr<TestInput> input, size_t span = 64) {
    TrcSource source(std::move(input));
    Reading reading;
    reading.opened = source.open();
    if (!reading.opened.ok()) return reading;
    reading.version = source.version();
    reading.origin = source.timeOrigin();
    std::vector<can::Frame> frames(span);
    while (const size_t count = source.read(frames)) {
        for (size_t i = 0; i < count; ++i) {
            reading.frames.push_back(
                trc_test::describe(frames[i], static_cast<int64_t>(frames[i].time)) + " @" +
                std::to_string(frames[i].place));
        }
    }
    EXPECT_EQ(source.read(frames), 0u);  // the end stays the end
    reading.ended = source.status();
    reading.counts = source.counts();
    reading.bytesRead = source.bytesRead();
    return reading;
}

Reading readAll(const std::string& bytes, size_t span = 64, size_t piece = 1 << 20) {
    return readAll(std::make_unique<TestInput>(bytes, piece), span);
}

// Lines joined with the CR LF of PEAK's tools.
std::string file(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\r\n";
    return text;
}

using Skipped = std::map<std::string, uint64_t>;

// Made after PEAK's description of 1.0 (start time in the readable head only).
const std::string kVersion1_0 = file({
    ";##########################################################################",
    ";   C:\\TraceFile.trc",
    ";",
    ";    CAN activities recorded by PCAN Explorer",
    ";    Start time: 11.09.2002 16:00:20.682",
    ";    PCAN-Net: PCI1",
    ";",
    ";----+-   ---+---  ----+---  +  -+ -- -- ...",
    "     1)      1841      0001  8  00 00 00 00 00 00 00 00  ",
    "     2)      1842      0008  4  ERROR 00 19 08 08 ",
    "     3)      1843  FFFFFFFF  4  00 00 00 04 -- -- -- --  BUSLIGHT ",
    "     4)      1844      0100  3  RTR ",
});

const std::string kVersion2_1 = file({
    ";$FILEVERSION=2.1",
    ";$STARTTIME=41766.4648963872",
    ";$COLUMNS=N,O,T,B,I,d,R,L,D",
    ";",
    ";   Start time: 07.05.2015 11:09:27.047.8",
    ";   Generated by PCAN-Explorer v6.0.0",
    ";---+-- ------+------ +- +- --+----- +- +- +--- +- -- -- -- -- -- -- --",
    "      1      1059.900 DT 1      0300 Rx -  7    00 00 00 00 04 00 00  ",
    "      5      1334.416 FD 2      0500 Tx -  9    01 02 03 04 05 06 07 08 09 0A 0B 0C ",
    "      6      1334.222 ER 1         - Rx -  5    04 00 02 00 00 ",
    "      7      1334.224 EV 1  User-defined event for bus 1 ",
    "      8      1334.225 EV -  User-defined event for all busses ",
    "      9      1334.231 ST 1         - Rx -  4    00 00 00 08 ",
    "     11      1334.643 EC 1         - Rx -  2    02 02 ",
    "     12      1335.156 BI 1  18EFC034 Tx -  8    01 02 03 04 05 06 07 08 ",
    "     13      1336.543 RR 1      0100 Rx -  3 ",
});

TEST(TrcSource, Version1_0TakesItsStartFromTheReadableHead) {
    testing_support::useUtc();
    const Reading reading = readAll(kVersion1_0);
    ASSERT_TRUE(reading.opened.ok()) << reading.opened.description();
    EXPECT_TRUE(reading.ended.ok());
    EXPECT_EQ(reading.version, Version::k1_0);
    EXPECT_EQ(reading.origin.kind, TimeOrigin::Kind::kDated);
    EXPECT_EQ(reading.origin.startSeconds, 1031760020);  // 2002-09-11 16:00:20 UTC
    EXPECT_EQ(reading.origin.startNanoseconds, 682000000);
    EXPECT_EQ(reading.frames, (std::vector<std::string>{
                                  "1841000000 ch0 Rx 1 data 8: 00 00 00 00 00 00 00 00 @9",
                                  "1842000000 ch0 Rx 8 error 4: 00 19 08 08 @10",
                                  "1844000000 ch0 Rx 100 remote 3 @12",
                              }));
    EXPECT_EQ(reading.counts.skipped, (Skipped{{"comments", 8}, {"bus warnings", 1}}));
    EXPECT_EQ(reading.counts.unreadable, 0u);
    EXPECT_FALSE(reading.counts.cutShort);
    EXPECT_EQ(reading.bytesRead, kVersion1_0.size());
}

TEST(TrcSource, Versions1_1To1_3ReadTheirColumns) {
    testing_support::useUtc();
    const std::string version1_1 = file({
        ";$FILEVERSION=1.1",
        ";$STARTTIME=37704.5364870833",
        ";   Start time: 24.03.2003 12:52:32.484",
        "     3)      1298.9  Tx         0400  2  00 00  ",
        "     5)      1346.8  Warng  FFFFFFFF  4  00 00 00 04  BUSLIGHT ",
        "     6)      1349.2  Error      0008  4  00 19 08 08 ",
    });
    Reading reading = readAll(version1_1);
    ASSERT_TRUE(reading.opened.ok()) << reading.opened.description();
    EXPECT_EQ(reading.version, Version::k1_1);
    // $STARTTIME goes before the readable comment: 12:52:32.483997120.
    EXPECT_EQ(reading.origin.startSeconds, 1048510352);
    EXPECT_EQ(reading.origin.startNanoseconds, 483997120);
    EXPECT_EQ(reading.frames, (std::vector<std::string>{
                                  "1298900000 ch0 Tx 400 data 2: 00 00 @4",
                                  "1349200000 ch0 Rx 8 error 4: 00 19 08 08 @6",
                              }));
    EXPECT_EQ(reading.counts.skipped, (Skipped{{"comments", 3}, {"bus warnings", 1}}));

    const std::string version1_2 = file({
        ";$FILEVERSION=1.2",
        ";$STARTTIME=39878.6772258947;",
        "     1)      1059.900  1  Rx         0300  7  00 00 00 00 04 00 00  ",
        "     7)      1352.743  2  Rx         0100  3  RTR ",
    });
    reading = readAll(version1_2);
    ASSERT_TRUE(reading.opened.ok()) << reading.opened.description();
    EXPECT_EQ(reading.version, Version::k1_2);
    EXPECT_EQ(reading.origin.startSeconds, 1236356112);  // 2009-03-06 16:15:12
    EXPECT_EQ(reading.frames, (std::vector<std::string>{
                                  "1059900000 ch0 Rx 300 data 7: 00 00 00 00 04 00 00 @3",
                                  "1352743000 ch1 Rx 100 remote 3 @4",
                              }));

    const std::string version1_3 = file({
        ";$FILEVERSION=1.3",
        ";$STARTTIME=40023.5245451516",
        ";   Bus  Name              Connection             Protocol  Bit rate",
        ";   2    Connection2       USB-Internal@pcan_usb  CAN       1 MBit/s",
        "     3)      1298.945 2  Tx        0400 -  2    00 00  ",
        "     5)      1346.834 1  Warng FFFFFFFF -  4    00 00 00 04  BUSLIGHT ",
        "     6)      1349.222 2  Error     0008 -  4    00 19 08 08 ",
    });
    reading = readAll(version1_3);
    ASSERT_TRUE(reading.opened.ok()) << reading.opened.description();
    EXPECT_EQ(reading.version, Version::k1_3);
    EXPECT_EQ(reading.frames, (std::vector<std::string>{
                                  "1298945000 ch1 Tx 400 data 2: 00 00 @5",
                                  "1349222000 ch1 Rx 8 error 4: 00 19 08 08 @7",
                              }));
    EXPECT_EQ(reading.counts.skipped, (Skipped{{"comments", 4}, {"bus warnings", 1}}));
}

TEST(TrcSource, Version2_0ReadsItsColumnsWithoutABus) {
    testing_support::useUtc();
    const std::string version2_0 = file({
        ";$FILEVERSION=2.0",
        ";$STARTTIME=42209.4075997106",
        ";$COLUMNS=N,O,T,I,d,l,D",
        "      4      1323.201 DT     0300 Rx 7  00 00 00 00 06 00 00  ",
        "      5      1334.416 FD     0500 Tx 12 01 02 03 04 05 06 07 08 09 0A 0B 0C ",
        "      6      1334.522 ER          Rx    04 00 02 00 00 ",
        "      7      1334.531 ST          Rx    00 00 00 08 ",
        "      8      1334.643 EC          Rx    02 02 ",
        "      9      1335.156 DT 18EFC034 Tx 8  01 02 03 04 05 06 07 08 ",
        "     10      1336.543 RR     0100 Rx 3 ",
        " ",
    });
    const Reading reading = readAll(version2_0);
    ASSERT_TRUE(reading.opened.ok()) << reading.opened.description();
    EXPECT_EQ(reading.version, Version::k2_0);
    EXPECT_EQ(reading.origin.startSeconds, 1437731216);  // 2015-07-24 09:46:56
    EXPECT_EQ(reading.frames,
              (std::vector<std::string>{
                  "1323201000 ch0 Rx 300 data 7: 00 00 00 00 06 00 00 @4",
                  "1334416000 ch0 Tx 500 data fd 12: 01 02 03 04 05 06 07 08 09 0A 0B 0C @5",
                  "1334522000 ch0 Rx 0 error 5: 04 00 02 00 00 @6",
                  "1335156000 ch0 Tx 18EFC034x data 8: 01 02 03 04 05 06 07 08 @9",
                  "1336543000 ch0 Rx 100 remote 3 @10",
              }));
    EXPECT_EQ(reading.counts.skipped, (Skipped{{"comments", 3},
                                               {"empty lines", 1},
                                               {"hardware status lines", 1},
                                               {"error counter changes", 1}}));
}

TEST(TrcSource, Version2_1ReadsBusesFdFlagsAndEvents) {
    testing_support::useTimeZone("JST-9");
    const Reading reading = readAll(kVersion2_1);
    testing_support::useUtc();
    ASSERT_TRUE(reading.opened.ok()) << reading.opened.description();
    EXPECT_EQ(reading.version, Version::k2_1);
    // $STARTTIME says 2014-05-07 11:09:27.047854080 in Tokyo (the comment's year is off by
    // one in the description this sample follows; $STARTTIME goes first).
    EXPECT_EQ(reading.origin.kind, TimeOrigin::Kind::kDated);
    EXPECT_EQ(reading.origin.startSeconds, 1399460967 - 9 * 3600);
    EXPECT_EQ(reading.origin.startNanoseconds, 47854080);
    EXPECT_EQ(reading.frames,
              (std::vector<std::string>{
                  "1059900000 ch0 Rx 300 data 7: 00 00 00 00 04 00 00 @8",
                  "1334416000 ch1 Tx 500 data fd 12: 01 02 03 04 05 06 07 08 09 0A 0B 0C @9",
                  "1334222000 ch0 Rx 0 error 5: 04 00 02 00 00 @10",
                  "1335156000 ch0 Tx 18EFC034x data fd brs esi 8: 01 02 03 04 05 06 07 08 @15",
                  "1336543000 ch0 Rx 100 remote 3 @16",
              }));
    EXPECT_EQ(reading.counts.skipped, (Skipped{{"comments", 7},
                                               {"user events", 2},
                                               {"hardware status lines", 1},
                                               {"error counter changes", 1}}));
    // The same frames however the bytes arrive and however few frames a read takes.
    for (const size_t piece : {size_t{1}, size_t{7}}) {
        const Reading trickled = readAll(kVersion2_1, 1, piece);
        EXPECT_EQ(trickled.frames, reading.frames) << "pieces of " << piece;
    }
}

TEST(TrcSource, StartsOfNoneOrZeroLeaveTheTimesElapsedOrTakeTheComment) {
    testing_support::useUtc();
    // A PEAK converter writes $STARTTIME=0 and the start in the comment.
    Reading reading = readAll(file({
        ";$FILEVERSION=2.1",
        ";$STARTTIME=0",
        ";   Start time: 30.09.2017 22:06:13.191.000",
        "      1      2501.000 DT 2      00C8 Tx -  8    09 08 07 06 05 04 03 02",
    }));
    ASSERT_TRUE(reading.opened.ok()) << reading.opened.description();
    EXPECT_EQ(reading.origin.kind, TimeOrigin::Kind::kDated);
    EXPECT_EQ(reading.origin.startSeconds, 1506809173);
    EXPECT_EQ(reading.origin.startNanoseconds, 191000000);
    // No start at all; a negative offset is taken as the start.
    reading = readAll(file({
        ";$FILEVERSION=2.1",
        ";$STARTTIME=soon",
        "      1        -1.500 DT 1      00C8 Tx -  0",
        "      2         2.000 DT 1      00C8 Tx -  0",
    }));
    ASSERT_TRUE(reading.opened.ok()) << reading.opened.description();
    EXPECT_EQ(reading.origin.kind, TimeOrigin::Kind::kElapsed);
    EXPECT_EQ(reading.frames,
              (std::vector<std::string>{"0 ch0 Tx C8 data 0 @3", "2000000 ch0 Tx C8 data 0 @4"}));
    EXPECT_EQ(reading.counts.skipped, (Skipped{{"comments", 2},
                                               {"times before the start", 1},
                                               {"start times that cannot be read", 1}}));
}

TEST(TrcSource, WhatIsNoTraceFileFailsToOpen) {
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

TEST(TrcSource, DamagedLinesAreCountedAndTheReadingGoesOn) {
    std::string bytes = file({
        ";$FILEVERSION=2.1", "      1         1.000 DT 1      0001 Rx -  1    01",
        "      2         2.000 DT 1      0002 Rx -  99   02",  // length code 99
        "      3         3.000 DT 1  FFFFFFFF Rx -  0",        // identifier over 29 bits
        "      4         4.000 DT 0      0004 Rx -  0",        // bus 0
        "      5         5.000 DT 1      0005 Rx -  2    05",  // a byte short
        "      6         6.000 ZZ 1      0006 Rx -  0",        // a type of no description
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

TEST(TrcSource, AFileCutInsideALineSaysWhere) {
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

TEST(TrcSource, AHugeFileStreamsInFlatMemory) {
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

TEST(TrcSource, AReadFailureEndsTheReadingAndACompressedFileCutShortIsSaid) {
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
