#include "sources/asc/asc_lines.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>

namespace {

using sources::asc::AscLine;
using sources::asc::Base;
using sources::asc::LineKind;
using sources::asc::readAscLine;

// A line's reading in one text: the frame's fields, the kind skipped, or the header item.
std::string reading(std::string_view text, Base base = Base::kHex) {
    can::Frame frame;
    const AscLine line = readAscLine(text, base, frame);
    switch (line.kind) {
        case LineKind::kFrame: {
            static const char* const kKinds[] = {"data", "remote", "error"};
            char head[96];
            std::snprintf(head, sizeof head, "%s %X%s ch%d %s%s%s%s len %d",
                          kKinds[static_cast<int>(frame.kind)], frame.canId,
                          frame.isExtended ? "x" : "", frame.channel,
                          frame.transmitted ? "tx" : "rx", frame.isFd ? " fd" : "",
                          frame.bitRateSwitch ? " brs" : "", frame.errorState ? " esi" : "",
                          frame.dataLength);
            std::string out = head;
            for (int i = 0; i < frame.dataLength && frame.kind == can::FrameKind::kData; ++i) {
                char byte[4];
                std::snprintf(byte, sizeof byte, " %02X", frame.data[i]);
                out += byte;
            }
            return out;
        }
        case LineKind::kUnreadable:
            return "unreadable";
        case LineKind::kSkipped:
            return std::string("skip: ") + sources::asc::skipName(line.skipped);
        case LineKind::kDate:
            return "date: " + std::string(line.rest);
        case LineKind::kBase:
            return std::string("base ") + (line.base == Base::kHex ? "hex" : "dec") +
                   (line.relative ? " relative" : " absolute");
        case LineKind::kInternalEvents:
            return "internal events";
        case LineKind::kBeginBlock:
            return "begin: " + std::string(line.rest);
        case LineKind::kEndBlock:
            return "end";
    }
    return "?";
}

struct Case {
    const char* line;
    const char* expected;
};

void expectReadings(const Case* begin, const Case* end, Base base = Base::kHex) {
    for (const Case* c = begin; c != end; ++c) EXPECT_EQ(reading(c->line, base), c->expected);
}

TEST(AscLines, ClassicFramesOfEveryWriter) {
    const Case cases[] = {
        // python-can, log2asc and this program's export.
        {"   0.001250 1  123             Rx   d 3 01 A2 FF", "data 123 ch0 rx len 3 01 A2 FF"},
        {"   0.000000 2  1234567Ax       Tx   d 1 11", "data 1234567Ax ch1 tx len 1 11"},
        {"   1.000000 1  7FF             Rx   d 0", "data 7FF ch0 rx len 0"},
        // CANoe with the tail; an upper-case X; a tab between fields.
        {"   3.098426 1  18EBFF00x       Rx d 8 01 A0 0F A6 60 3B D1 40    Length = 273910 "
         "BitCount = 141 ID = 418119424x",
         "data 18EBFF00x ch0 rx len 8 01 A0 0F A6 60 3B D1 40"},
        {"0.003040 1 123 Tx d 2 00 00 Length = 768000 BitCount = 67 ID = 291",
         "data 123 ch0 tx len 2 00 00"},
        {"2.5010 12\t1FX\tRx\td 1 aa", "data 1Fx ch11 rx len 1 AA"},
        // A DLC of 9 to 15 carries 8 bytes.
        {"13.258671 1  3FF  Tx   d D 55 AA 01 02 03 04 05 06  Length = 232016 BitCount = 119 "
         "ID = 1023",
         "data 3FF ch0 tx len 8 55 AA 01 02 03 04 05 06"},
        // A symbolic name instead of the identifier: the tail's decimal ID gives it.
        {"1.0 1 EngineData Rx d 2 01 02 Length = 1 BitCount = 2 ID = 256x",
         "data 100x ch0 rx len 2 01 02"},
        // A numeric identifier stands even beside a tail that disagrees.
        {"2.520002 3 200 Tx r Length = 1704000 BitCount = 145 ID = 88888888x",
         "remote 200 ch2 tx len 0"},
        // Remote requests with and without the length (log2asc -r, CANoe before 8.5).
        {"   2.510001 2 100 Rx r", "remote 100 ch1 rx len 0"},
        {"   2.584921 4 300 Rx r 8 Length = 1704000 BitCount = 145", "remote 300 ch3 rx len 8"},
        {"   0.209750 1  123             Rx   r 5", "remote 123 ch0 rx len 5"},
        {"   0.209750 1  123x            Rx   r F", "remote 123x ch0 rx len 8"},
    };
    expectReadings(std::begin(cases), std::end(cases));
}

TEST(AscLines, DecimalBaseReadsIdentifiersAndBytesInDecimal) {
    const Case cases[] = {
        {"   1.047413 1  1792            Tx   d 8   2  16   0   0   0   0   0 255  Length = 0 "
         "BitCount = 0 ID = 1792",
         "data 700 ch0 tx len 8 02 10 00 00 00 00 00 FF"},
        {"1.0 1 536870911x Rx d 1 7", "data 1FFFFFFFx ch0 rx len 1 07"},
        {"1.0 1 2048 Rx d 0", "unreadable"},       // past 11 bits
        {"1.0 1 123 Rx d 1 256", "unreadable"},    // not a byte
        {"1.0 1 123 Rx d 2 1 2 3", "unreadable"},  // one byte too many
        {"1.0 CANFD 1 Rx 100 0 0 9 12 1 2 3 4 5 6 7 8 9 10 11 12 0 0 1000",
         "data 64 ch0 rx fd len 12 01 02 03 04 05 06 07 08 09 0A 0B 0C"},
    };
    expectReadings(std::begin(cases), std::end(cases), Base::kDecimal);
}

TEST(AscLines, ErrorFramesWithAndWithoutTheirFields) {
    const Case cases[] = {
        {"   2.501000 1 ErrorFrame", "error 0 ch0 rx len 0"},
        {"   0.309750 2  ErrorFrame", "error 0 ch1 rx len 0"},
        {"   1.592186 1  ErrorFrame\tECC: 10100010", "error 0 ch0 rx len 0"},
        {"   4.501000 2 ErrorFrame Flags = 0xe CodeExt = 0x20a2 Code = 0x82 ID = 0 DLC = 0 "
         "Position = 5 Length = 11300",
         "error 0 ch1 rx len 0"},
        {"  30.806898 CANFD   5 Tx ErrorFrame Not Acknowledge error, dominant error flag fffe "
         "c7 31ca Arb. 556 44 0 0 f 64 00 00 1331984 11 0 46500250 460a0250",
         "error 0 ch4 tx len 0"},
        {"   2.501000 0 ErrorFrame", "unreadable"},
    };
    expectReadings(std::begin(cases), std::end(cases));
}

TEST(AscLines, CanFdLinesWithTheirFlags) {
    const Case cases[] = {
        // python-can: an empty symbolic name, flags 0x1000 EDL, 0x2000 BRS, 0x4000 ESI.
        {"   0.000000 CANFD   1 Rx      123                                  1 0 9 12 00 11 22 "
         "33 44 55 66 77 88 99 AA BB        0    0     3000        0        0        0        "
         "0        0",
         "data 123 ch0 rx fd brs len 12 00 11 22 33 44 55 66 77 88 99 AA BB"},
        {"   0.000000 CANFD   3 Tx 1FFFFFFFx  0 1 0  0        0    0     5000        0        0"
         "        0        0        0",
         "data 1FFFFFFFx ch2 tx fd esi len 0"},
        // CANoe, with and without a symbolic name.
        {"  30.005071 CANFD   3 Rx        30a  Generic_Name_12                  1 1 8  8 01 02 "
         "03 04 05 06 07 08   102203  133   303000 e0006659 46500250 4b140250 20011736 2001040d",
         "data 30A ch2 rx fd brs esi len 8 01 02 03 04 05 06 07 08"},
        {"   0.045636 CANFD  62 Rx        88                                   0 1 8  8 00 00 "
         "f6 90 00 00 00 00   105812  137   323000 d001b0b3 46500250 4b140250 20011736 2001040d",
         "data 88 ch61 rx fd esi len 8 00 00 F6 90 00 00 00 00"},
        // A classic remote request in CANFD form: flags 0x10 without EDL, the DLC its length.
        {"  30.300981 CANFD   3 Tx     50005x                                0 1 5 0 140000 73 "
         "200050 7a60 46500250 460a0250 20011736 20010205",
         "remote 50005x ch2 tx len 5"},
        // log2asc -f: classic data frames and remote requests in CANFD form.
        {"   0.000000 CANFD   1 Rx        123                                   0 0 3  3 01 A2 "
         "FF   130000  130        0 0 0 0 0 0",
         "data 123 ch0 rx len 3 01 A2 FF"},
        {"   0.209750 CANFD   1 Rx        123                                   0 0 0  0   "
         "130000  130       10 0 0 0 0 0",
         "remote 123 ch0 rx len 0"},
        // This program's export.
        {"   0.002750 CANFD   2 Rx   18FEF100x  0 0 9 12 00 11 22 33 44 55 66 77 88 99 00 00    "
         "    0    0     1000        0        0        0        0        0",
         "data 18FEF100x ch1 rx fd len 12 00 11 22 33 44 55 66 77 88 99 00 00"},
        // No fields behind the data: the line's CANFD says what it is.
        {"1.0 CANFD 1 Rx 123 1 0 2 2 AA BB", "data 123 ch0 rx fd brs len 2 AA BB"},
        {"1.0 CANFD 1 TxRq 123 1 0 2 2 AA BB", "skip: transmit requests"},
    };
    expectReadings(std::begin(cases), std::end(cases));
}

TEST(AscLines, LinesThatShouldBeFramesButDoNotRead) {
    std::string hundredBytes = "1.0 1 123 Rx d 8";
    for (int i = 0; i < 100; ++i) hundredBytes += " 5A";
    std::string longFd = "1.0 CANFD 1 Rx 123 0 0 f 64";
    for (int i = 0; i < 65; ++i) longFd += " 5A";
    const std::string cases[] = {
        "1.0 1 123 Rx d 8 01 02 03",    // fewer bytes than the length
        "1.0 1 123 Rx d 2 01 02 03",    // more
        hundredBytes,                   // 100 data bytes on a classic line
        "1.0 1 123 Rx d 10 01",         // DLC past 15
        "1.0 1 123 Rx d 2 1 2",         // one-digit bytes
        "1.0 1 123 Rx d 2 001 002",     // three-digit bytes
        "1.0 1 800 Rx d 0",             // a standard identifier past 11 bits
        "1.0 1 20000000x Rx d 0",       // an extended one past 29
        "1.0 1 123456789x Rx d 0",      // nine digits
        "1.0 1 EngineData Rx d 0",      // a name without the tail's ID
        "1.0 0 123 Rx d 0",             // channel 0
        "1.0 65536 123 Rx d 0",         // a channel past the largest
        "1.0 1 123 Rx q 1 00",          // neither d nor r
        "1.0 1 123 Rx",                 // nothing after the direction
        "99999999999.0 1 123 Rx d 0",   // eleven digits of seconds
        "1.2.3 1 123 Rx d 0",           // no time
        "1. 1 123 Rx d 0",              // a point without a fraction
        longFd,                         // 65 bytes of 64
        "1.0 CANFD 1 Rx 123 0 0 f 65",  // length past 64
        "1.0 CANFD 1 Rx 123 0 0 8 12 00 00 00 00 00 00 00 00 00 00 00 00 0 0 1000",  // DLC 8
        "1.0 CANFD 1 Rx 123 0 0 9 12 00 00 00 00 00 00 00 00 0 0 1000",  // 8 of 12 bytes
        "1.0 CANFD 1 Rx 123 2 0 1 1 00 0 0 1000",                        // BRS 2
        "1.0 CANFD 1 Rx 123 0 0 1 1 00 0 0 zz",                          // flags not hex
        "1.0 CANFD 1 Rx 123 0 0 1 1 00 x 0 1000",                        // duration not a number
        "1.0 CANFD 1 Rx 123 0 0 9 12 00 00 00 00 00 00 00 00 00 00 00 00 0 0 0",  // classic 12
        "1.0 CANFD 1 Rx 123 0 0 3 2 00 00 0 0 0",      // classic, length not the DLC's
        "1.0 CANFD 1 Rx 123 0 0 3 3 00 00 00 0 0 10",  // remote with data
        "1.0 CANFD 0 Rx 123 0 0 0 0 0 0 1000",         // channel 0
        "1.0 CANFD 1 Qx 123 0 0 0 0 0 0 1000",         // no direction
        "1.0 CANFD 1 Rx 800 0 0 0 0 0 0 1000",         // identifier too large
        "0.010460 CANFD 1  101             Tx   1 0 d 8 8 F1 F1 F1 F1 F1 F1 F1 F1  Length = "
        "209000 BitCount = 128 ID = 257",  // identifier before direction: not this form
    };
    for (const std::string& line : cases) EXPECT_EQ(reading(line), "unreadable") << line;
}

TEST(AscLines, OtherEventsAreNamedByTheirKind) {
    const Case cases[] = {
        {"   0.000000 Start of measurement", "skip: start of measurement"},
        {"   0.0000 Start der Messung", "skip: start of measurement"},
        {"   0.015991 CAN 1 Status:chip status error passive - TxErr: 132 RxErr: 0",
         "skip: CAN controller status"},
        {"   1.015991 1  Statistic: D 0 R 0 XD 0 XR 0 E 0 O 0 B 0.00%", "skip: bus statistics"},
        {"   3.297743 1  J1939TP FEE3p        6    0  0   -   Rx   d 23 A0 0F A6 60",
         "skip: J1939 transport protocol"},
        {"   2.515800 1  OverloadFrame", "skip: overload frames"},
        {"   2.0 1 123 TxRq d 1 00", "skip: transmit requests"},
        {"   1.200000    SV: 2 0 0 ::NS1::IntVar = 4", "skip: system variables"},
        {"   2.0000 log direct start (0ms) ", "skip: log and trigger events"},
        {"0.073973 Li 2d Tx 8 00 f0 f0 ff ff ff ff ff checksum = 70", "skip: LIN events"},
        {"   5.000000 L1 L_Slave::aLINMessage::aLINBitSignal = 0", "skip: LIN events"},
        {"   0.039255 Fr RMSG 0 0 1 1 4 7 Rx 0 14 5 32 151 Message_2 4 4 27",
         "skip: FlexRay events"},
        {"0.000000 ETH 2 Tx 3c:FFFFFFFFFFFF4000", "skip: Ethernet events"},
        {"1.0 MOST 1 Most150Packet", "skip: MOST events"},
        {"2.097603 GPS-Device: 1 La: 48.825100 Lo: 9.091267", "skip: GPS events"},
        {"  59.171614 CANXL   2 Rx   XLFF   984438   4656      432  msgCanXlTest1",
         "skip: CAN XL frames"},
        {"   2.350000 1 Node::aCANMessage::aBitSignal = 1", "skip: other events"},
        {"   2.130000    Int_Ev       := 1", "skip: other events"},
        {"1.593770 Comment: 105 testComment", "skip: other events"},
        {"   7.5", "skip: other events"},
        {"// version 9.0.0", "skip: comments"},
        {"//    0.003250 capture event of kind 5 at record 3", "skip: comments"},
        {"", "skip: empty lines"},
        {" \t ", "skip: empty lines"},
        {"SF Length: 02 [ 1A 90 ]", "skip: other lines"},
        {"base oct", "skip: other lines"},
        {"base hex timestamps sideways", "skip: other lines"},
        {"\x7F"
         "ELF\x02\x01",
         "skip: other lines"},
    };
    expectReadings(std::begin(cases), std::end(cases));
}

TEST(AscLines, HeaderAndBlockLines) {
    const Case cases[] = {
        {"date Wed May 01 12:34:56.789 pm 2024", "date: Wed May 01 12:34:56.789 pm 2024"},
        {"date Wed May  1 12:34:56 2024", "date: Wed May  1 12:34:56 2024"},
        {"base hex  timestamps absolute", "base hex absolute"},
        {"base dec  timestamps relative", "base dec relative"},
        {"base hex", "base hex absolute"},
        {"BASE DEC", "base dec absolute"},
        {"internal events logged", "internal events"},
        {"no internal events logged", "internal events"},
        {"Begin Triggerblock Sam Sep 30 15:06:13.191 2017", "begin: Sam Sep 30 15:06:13.191 2017"},
        {"Begin TriggerBlock", "begin: "},
        {"End TriggerBlock", "end"},
        {"end triggerblock", "end"},
    };
    expectReadings(std::begin(cases), std::end(cases));
}

TEST(AscLines, TimesAreExactToTheNanosecond) {
    const struct {
        const char* line;
        uint64_t nanoseconds;
        bool negative;
    } cases[] = {
        {"0.000001 1 ErrorFrame", 1000, false},
        {"1.123456789 1 ErrorFrame", 1123456789, false},
        {"1.1234567891 1 ErrorFrame", 1123456789, false},
        {"12.5 1 ErrorFrame", 12500000000, false},
        {"9999999999.999999999 1 ErrorFrame", 9999999999999999999u, false},
        {"1714566896 1 ErrorFrame", 1714566896000000000, false},
        {"-0.25 Start of measurement", 250000000, true},
    };
    for (const auto& c : cases) {
        can::Frame frame;
        const AscLine line = readAscLine(c.line, Base::kHex, frame);
        EXPECT_TRUE(line.hasTime) << c.line;
        EXPECT_EQ(line.time, c.nanoseconds) << c.line;
        EXPECT_EQ(line.negative, c.negative) << c.line;
    }
}

}  // namespace

namespace {

// Everything a line's reading gives, for comparing two readings.
std::string wholeReading(const AscLine& line, const can::Frame& frame) {
    std::ostringstream out;
    out << static_cast<int>(line.kind) << ' ' << static_cast<int>(line.skipped) << ' '
        << line.hasTime << line.negative << ' ' << line.time;
    if (line.kind != LineKind::kFrame) return out.str();
    out << ' ' << static_cast<int>(frame.kind) << ' ' << frame.canId << ' ' << frame.channel << ' '
        << frame.dataLength << ' ' << frame.isExtended << frame.isFd << frame.bitRateSwitch
        << frame.errorState << frame.transmitted << ' ';
    for (const uint8_t byte : frame.data) out << static_cast<int>(byte) << ',';
    return out.str();
}

// The one-pass reading of plain classic lines and the word-by-word reading agree on the lines
// writers write and on every mangling of them: characters replaced, dropped, doubled.
TEST(AscLines, OnePassAndWordByWordReadingsAgree) {
    const std::string seeds[] = {
        " 0.000000 2  1E0             Rx   d 8 67 EC 8E 65 A1 8D EB BE",
        "   0.001250 1  123             Rx   d 3 01 A2 FF",
        "  12.345678 12  18FEF100x       Tx   d 2 00 11  Length = 1 BitCount = 64 ID = 418119936x",
        "1.5 65535 7FF Rx d F 01 02 03 04 05 06 07 08",
        "0.000001\t3\t0\tRx\td\t0",
        "9999999999.999999999 1 1FFFFFFFx Rx d 8 FF FF FF FF FF FF FF FF",
    };
    const std::string alphabet = " \t.xX0123456789ABCDEFdrRTabfx-=";
    uint32_t state = 12345;
    const auto next = [&state](uint32_t below) {
        state = state * 1103515245 + 12345;
        return (state >> 8) % below;
    };
    int taken = 0;
    for (const std::string& seed : seeds) {
        for (int round = 0; round < 4000; ++round) {
            std::string text = seed;
            for (uint32_t edits = next(4); edits > 0 && !text.empty(); --edits) {
                const size_t at = next(static_cast<uint32_t>(text.size()));
                switch (next(3)) {
                    case 0:
                        text[at] = alphabet[next(static_cast<uint32_t>(alphabet.size()))];
                        break;
                    case 1:
                        text.erase(at, 1);
                        break;
                    default:
                        text = text.substr(0, at + 1) + text.substr(at);
                        break;
                }
            }
            can::Frame onePass;
            can::Frame byWords;
            std::memset(onePass.data, 0xEE, sizeof onePass.data);
            std::memset(byWords.data, 0xEE, sizeof byWords.data);
            const AscLine a = readAscLine(text, Base::kHex, onePass);
            const AscLine b = sources::asc::readAscLineByWords(text, Base::kHex, byWords);
            ASSERT_EQ(wholeReading(a, onePass), wholeReading(b, byWords)) << "'" << text << "'";
            if (a.kind == LineKind::kFrame) ++taken;
        }
    }
    EXPECT_GT(taken, 4000);  // the manglings leave many lines frames
}

}  // namespace
