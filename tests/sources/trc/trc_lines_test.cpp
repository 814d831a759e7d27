#include "sources/trc/trc_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "sources/trc/trc_text.h"
#include "tests/sources/trc/trc_test_support.h"

namespace {

using sources::trc::Columns;
using sources::trc::Dialect;
using sources::trc::LineKind;
using sources::trc::Version;

Dialect dialectOf(Version version) {
    Dialect dialect;
    dialect.version = version;
    if (version >= Version::k2_0) dialect.columns = sources::trc::defaultColumns(version);
    return dialect;
}

// The frame a line reads as, or the kind of line it is.
std::string readAs(const std::string& line, const Dialect& dialect) {
    can::Frame frame;
    frame.data[63] = 0xEE;  // left over from an earlier line: must not show
    int64_t offset = 0;
    const LineKind kind = sources::trc::readLine(line, dialect, frame, offset);
    return kind == LineKind::kFrame ? trc_test::describe(frame, offset) : trc_test::kindName(kind);
}

using Cases = std::vector<std::pair<std::string, std::string>>;

void expectLines(Version version, const Cases& cases) {
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(readAs(line, dialectOf(version)), expected) << line;
}

TEST(TrcLines, Version1_0ReadsNumberTimeIdentifierLengthAndData) {
    expectLines(
        Version::k1_0,
        {
            {"     1)      1841      0001  8  00 00 00 00 00 00 00 00  ",
             "1841000000 ch0 Rx 1 data 8: 00 00 00 00 00 00 00 00"},
            {"     2)      1842      0008  4  ERROR 00 19 08 08 ",
             "1842000000 ch0 Rx 8 error 4: 00 19 08 08"},
            {"     3)      1843  FFFFFFFF  4  00 00 00 04 -- -- -- --  BUSLIGHT ", "bus warning"},
            {"     4)      1844      0100  3  RTR ", "1844000000 ch0 Rx 100 remote 3"},
            // python-can's writer of 1.0: 7 digits for an extended identifier.
            {"    12)    1235 18EFC03 2 0A FF", "1235000000 ch0 Rx 18EFC03x data 2: 0A FF"},
            {"     5)     19295      0000  0", "19295000000 ch0 Rx 0 data 0"},
            // A file without $FILEVERSION whose lines carry a type is of 1.1.
            {"     6)      1298.9  Tx         0400  2  00 00",
             "1298900000 ch0 Tx 400 data 2: 00 00"},
            {"", "empty"},
            {"   ", "empty"},
            {";   Start time: 11.09.2002 16:00:20.682", "comment"},
            {"  ;indented comment", "comment"},
        });
}

TEST(TrcLines, Version1_1AddsTheTypeRxTxWarngOrError) {
    expectLines(
        Version::k1_1,
        {
            {"     1)      1059.9  Rx         0300  7  00 00 00 00 04 00 00  ",
             "1059900000 ch0 Rx 300 data 7: 00 00 00 00 04 00 00"},
            {"     3)      1298.9  Tx         0400  2  00 00  ",
             "1298900000 ch0 Tx 400 data 2: 00 00"},
            {"     5)      1346.8  Warng  FFFFFFFF  4  00 00 00 04  BUSLIGHT ", "bus warning"},
            {"     6)      1349.2  Error      0008  4  00 19 08 08 ",
             "1349200000 ch0 Rx 8 error 4: 00 19 08 08"},
            {"     7)      1352.7  Rx         0100  3  RTR ", "1352700000 ch0 Rx 100 remote 3"},
            {"     1)     17535.4  Tx     00000100  8  00 00 00 00 00 00 00 00 ",
             "17535400000 ch0 Tx 100x data 8: 00 00 00 00 00 00 00 00"},
            {"     8)      1400.0  Stat       0000  0", "other type"},
        });
}

TEST(TrcLines, Version1_2AddsTheBusAndVersion1_3AReservedColumn) {
    expectLines(
        Version::k1_2,
        {
            {"     2)      1283.231  1  Rx         0300  7  00 00 00 00 04 00 00  ",
             "1283231000 ch0 Rx 300 data 7: 00 00 00 00 04 00 00"},
            {"     3)      1298.945  2  Tx         0400  2  00 00  ",
             "1298945000 ch1 Tx 400 data 2: 00 00"},
            {"     5)      1346.834  1  Warng  FFFFFFFF  4  00 00 00 04  BUSLIGHT ", "bus warning"},
            {"     7)      1352.743  3  Rx         0100  3  RTR ",
             "1352743000 ch2 Rx 100 remote 3"},
        });
    expectLines(Version::k1_3,
                {
                    {"     4)      1323.201 1  Rx        0300 -  7    00 00 00 00 06 00 00  ",
                     "1323201000 ch0 Rx 300 data 7: 00 00 00 00 06 00 00"},
                    {"     5)      1346.834 1  Warng FFFFFFFF -  4    00 00 00 04  BUSLIGHT ",
                     "bus warning"},
                    {"     6)      1349.222 4  Error     0008 -  4    00 19 08 08 ",
                     "1349222000 ch3 Rx 8 error 4: 00 19 08 08"},
                    {"     7)      1352.743 2  Tx        0100 -  3    RTR ",
                     "1352743000 ch1 Tx 100 remote 3"},
                    {"     1)        17535.4 1  Tx    00000100 -  8    00 00 00 00 00 00 00 00",
                     "17535400000 ch0 Tx 100x data 8: 00 00 00 00 00 00 00 00"},
                });
}

TEST(TrcLines, Version2_0ReadsItsTypesWithTheLengthInBytes) {
    expectLines(Version::k2_0,
                {
                    {"      1      1059.900 DT     0300 Rx 7  00 00 00 00 04 00 00  ",
                     "1059900000 ch0 Rx 300 data 7: 00 00 00 00 04 00 00"},
                    {"      5      1334.416 FD     0500 Tx 12 01 02 03 04 05 06 07 08 09 0A 0B 0C ",
                     "1334416000 ch0 Tx 500 data fd 12: 01 02 03 04 05 06 07 08 09 0A 0B 0C"},
                    // Error frames leave the identifier and the length blank.
                    {"      6      1334.522 ER          Rx    04 00 02 00 00 ",
                     "1334522000 ch0 Rx 0 error 5: 04 00 02 00 00"},
                    {"      7      1334.531 ST          Rx    00 00 00 08 ", "hardware status"},
                    {"      8      1334.643 EC          Rx    02 02 ", "error counter"},
                    {"      9      1335.156 DT 18EFC034 Tx 8  01 02 03 04 05 06 07 08 ",
                     "1335156000 ch0 Tx 18EFC034x data 8: 01 02 03 04 05 06 07 08"},
                    {"     10      1336.543 RR     0100 Rx 3 ", "1336543000 ch0 Rx 100 remote 3"},
                    {"      2     17540.300 ST          Rx    00 00 00 08", "hardware status"},
                });
}

TEST(TrcLines, Version2_1ReadsBusReservedAndLengthCodeAndTheFdTypes) {
    expectLines(
        Version::k2_1,
        {
            {"      3      1298.945 DT 1      0400 Tx -  2    00 00  ",
             "1298945000 ch0 Tx 400 data 2: 00 00"},
            {"      5      1334.416 FD 1      0500 Tx -  9    01 02 03 04 05 06 07 08 09 0A 0B 0C ",
             "1334416000 ch0 Tx 500 data fd 12: 01 02 03 04 05 06 07 08 09 0A 0B 0C"},
            {"      5      1.000 FB 2      0501 Rx -  10   01 02 03 04 05 06 07 08 09 0A 0B 0C 0D "
             "0E 0F 10",
             "1000000 ch1 Rx 501 data fd brs 16: 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10"},
            {"      5      2.000 FE 3  1FFFFFFF Rx -  1    AA",
             "2000000 ch2 Rx 1FFFFFFFx data fd esi 1: AA"},
            {"      5      3.000 BI 16     0000 Tx -  0", "3000000 ch15 Tx 0 data fd brs esi 0"},
            {"      6      1334.222 ER 1         - Rx -  5    04 00 02 00 00 ",
             "1334222000 ch0 Rx 0 error 5: 04 00 02 00 00"},
            {"      7      1334.224 EV 1  User-defined event for bus 1 ", "user event"},
            {"      8      1334.225 EV -  User-defined event for all busses ", "user event"},
            {"      9      1334.231 ST 1         - Rx -  4    00 00 00 08 ", "hardware status"},
            {"     11      1334.643 EC 1         - Rx -  2    02 02 ", "error counter"},
            {"     12      1335.156 DT 1  18EFC034 Tx -  8    01 02 03 04 05 06 07 08 ",
             "1335156000 ch0 Tx 18EFC034x data 8: 01 02 03 04 05 06 07 08"},
            {"     13      1336.543 RR 1      0100 Rx -  3 ", "1336543000 ch0 Rx 100 remote 3"},
            // python-can's writer: 7 digits for an extended identifier.
            {"      0         0.123 DT  2  0000ABC Tx -  1    FF", "123000 ch1 Tx ABCx data 1: FF"},
            // A classic length code over 8 still means 8 bytes, and asks for 8 in a remote.
            {"     14      1337.000 DT 1      0100 Rx -  15   01 02 03 04 05 06 07 08",
             "1337000000 ch0 Rx 100 data 8: 01 02 03 04 05 06 07 08"},
            {"     15      1338.000 RR 1      0100 Rx -  12", "1338000000 ch0 Rx 100 remote 8"},
            {"     16      1339.000 XX 1      0100 Rx -  0", "other type"},
        });
}

TEST(TrcLines, Version2FollowsTheColumnsInTheirOrder) {
    Dialect dialect;
    dialect.version = Version::k2_1;
    dialect.columns = sources::trc::columnsOf("OBTdIlRD");
    EXPECT_EQ(readAs("12.5 2 DT Tx 123 3 x 01 02 03", dialect),
              "12500000 ch1 Tx 123 data 3: 01 02 03");
    EXPECT_EQ(readAs("12.5 2 FD Tx 123 12 x 01 02 03 04 05 06 07 08 09 0A 0B 0C", dialect),
              "12500000 ch1 Tx 123 data fd 12: 01 02 03 04 05 06 07 08 09 0A 0B 0C");
    EXPECT_EQ(readAs("12.5 2 FD Tx 123 11 x 01 02 03 04 05 06 07 08 09 0A 0B", dialect),
              "unreadable");  // no CAN FD frame has 11 bytes
    EXPECT_EQ(readAs("12.5 2 Tx DT 123 3 x 01 02 03", dialect), "unreadable");
}

TEST(TrcLines, LinesOutsideTheGrammarAreUnreadable) {
    const Cases version1 = {
        {"1)", "unreadable"},
        {"1) 1841", "unreadable"},
        {"1) 1841 0001", "unreadable"},
        {"1) 1841 0001 8 00 00 00 00 00 00 00", "unreadable"},  // a byte short
        {"1) 1841 0001 2 00 00 00", "unreadable"},              // a byte too many
        {"1) 1841 0001 16", "unreadable"},                      // code over 15
        {"1) 1841 0001 2 00 0G", "unreadable"},                 // no hex byte
        {"1) 1841 0001 2 00 000", "unreadable"},                // three digits
        {"1) 1841 123456789 0", "unreadable"},                  // nine digits
        {"1) 1841 20000000 0", "unreadable"},                   // over 29 bits
        {"1 1841 0001 0", "unreadable"},                        // no ')'
        {"x) 1841 0001 0", "unreadable"},                       // no number
        {"1) 18a1 0001 0", "unreadable"},                       // no time
        {"1) 1234567890123 0001 0", "unreadable"},              // 13 digits of ms
        {"1) 1.2.3 0001 0", "unreadable"},                      // two points
        {"1) 1. 0001 0", "unreadable"},                         // no decimals
        {"1) 1841 0001 3 RTR 00", "unreadable"},                // data after RTR
        {"1) 1841 0001 1 \x01\xFF", "unreadable"},              // binary
    };
    expectLines(Version::k1_0, version1);
    expectLines(Version::k1_2, {{"1) 1.0 0 Rx 0001 0", "unreadable"},    // bus 0
                                {"1) 1.0 256 Rx 0001 0", "unreadable"},  // bus over 255
                                {"1) 1.0 1 0001 0", "unreadable"}});     // no type
    expectLines(Version::k1_3, {{"1) 1.0 1 Rx 0001 0", "unreadable"},    // no reserved
                                {"1) 1.0 1 Error 0001 - 0 RTR", "unreadable"}});
    std::string many = "1 1.0 DT 1 0001 Rx - 8";
    for (int i = 0; i < 80; ++i) many += " 00";
    expectLines(Version::k2_1,
                {
                    {"1 1.0 DT 1 0001 Rx - 8 00 00", "unreadable"},
                    {"1 1.0 DT 1 0001 Rx - 16", "unreadable"},
                    {"1 1.0 DT 1 0001 Up - 0", "unreadable"},    // no direction
                    {"1 1.0 DT - 0001 Rx - 0", "unreadable"},    // a frame of all buses
                    {"1 1.0 DT 1 - Rx - 0", "unreadable"},       // a data frame needs its id
                    {"1 1.0 D1 1 0001 Rx - 0", "unreadable"},    // no type word
                    {"1 1.0 DT 1 0001 Rx -", "unreadable"},      // cut before the length
                    {"1 1.0", "unreadable"},                     // cut before the type
                    {"one 1.0 DT 1 0001 Rx - 0", "unreadable"},  // no message number
                    {"1 1.0 ER 1 - Rx - 2 00", "unreadable"},    // a byte short
                    {many, "unreadable"},                        // more than 64 bytes
                });
    expectLines(Version::k2_0, {{"1 1.0 DT 0001 Rx 9 00 00 00 00 00 00 00 00 00", "unreadable"},
                                {"1 1.0 FD 0001 Rx 65", "unreadable"},
                                {"1 1.0 ER Rx 00 0X", "unreadable"}});
}

TEST(TrcLines, TimesAreExactDecimalsOfMilliseconds) {
    using sources::trc::readMilliseconds;
    const std::vector<std::pair<std::string, int64_t>> good = {
        {"17535.4", 17535400000},
        {"1059.900", 1059900000},
        {"0.000001", 1},
        {"0.0000019", 1},  // below a nanosecond: dropped
        {"-0.5", -500000},
        {"999999999999.999999", 999999999999999999},
        {"0", 0},
    };
    for (const auto& [text, nanoseconds] : good) {
        int64_t value = -7;
        EXPECT_TRUE(readMilliseconds(text, value)) << text;
        EXPECT_EQ(value, nanoseconds) << text;
    }
    for (const char* bad : {"", "-", ".5", "5.", "1e3", "+1", "1,5", "1000000000000", "--1"}) {
        int64_t value = 0;
        EXPECT_FALSE(readMilliseconds(bad, value)) << bad;
    }
}

TEST(TrcLines, IdentifiersOfMoreThanFourDigitsOrAbove7FFAreExtended) {
    expectLines(Version::k1_1, {
                                   {"1) 1.0 Rx 7FF 0", "1000000 ch0 Rx 7FF data 0"},
                                   {"1) 1.0 Rx 0800 0", "1000000 ch0 Rx 800x data 0"},
                                   {"1) 1.0 Rx 00000001 0", "1000000 ch0 Rx 1x data 0"},
                                   {"1) 1.0 Rx 0000A 0", "1000000 ch0 Rx Ax data 0"},
                                   {"1) 1.0 Rx 1fffffff 0", "1000000 ch0 Rx 1FFFFFFFx data 0"},
                               });
}

}  // namespace
