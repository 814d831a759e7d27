#include "sources/trc/trc_source.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/sources/trc/trc_reading.h"
#include "tests/support/test_paths.h"

namespace {

using namespace trc_test;
using sources::TimeOrigin;
using sources::trc::Version;

// A 1.0 file as PEAK's example shows one (start time in the readable head only).
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
    // one in PEAK's example this sample follows; $STARTTIME goes first).
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

}  // namespace
