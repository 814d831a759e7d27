#include "sources/candump/candump_lines.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

using sources::candump::LineKind;
using sources::candump::LineReader;
using sources::candump::LineResult;
using sources::candump::TimeForm;

// "log can0 | data 123 [3] 11 22 33 fd brs esi tx", or the kind of a line that is no frame.
std::string describe(const LineResult& result, const can::Frame& frame) {
    switch (result.kind) {
        case LineKind::kSkipped:
            return std::string("skipped: ") + result.skipped;
        case LineKind::kExplanation:
            return "explanation";
        case LineKind::kUnreadable:
            return "unreadable";
        case LineKind::kFrame:
            break;
    }
    static const char* const kKinds[] = {"data", "remote", "error", "damaged", "event"};
    char id[16];
    if (frame.kind == can::FrameKind::kError || frame.isExtended) {
        std::snprintf(id, sizeof id, "%08X", frame.canId);
    } else {
        std::snprintf(id, sizeof id, "%03X", frame.canId);
    }
    std::string text =
        std::string(result.form == sources::candump::LineForm::kLog ? "log " : "screen ") +
        std::string(result.interface) + " | " + kKinds[static_cast<int>(frame.kind)] + " " + id +
        (frame.isExtended ? "x" : "") + " [" + std::to_string(frame.dataLength) + "]";
    const int shown = frame.kind == can::FrameKind::kRemote ? 0 : frame.dataLength;
    for (int i = 0; i < shown; ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, " %02X", frame.data[i]);
        text += byte;
    }
    if (frame.isFd) text += " fd";
    if (frame.bitRateSwitch) text += " brs";
    if (frame.errorState) text += " esi";
    if (frame.transmitted) text += " tx";
    for (int i = frame.dataLength; i < can::kMaxDataLength; ++i) {
        if (frame.data[i] != 0) return text + " (bytes beyond the length not zero)";
    }
    if (frame.kind == can::FrameKind::kRemote) {
        for (const uint8_t byte : frame.data) {
            if (byte != 0) return text + " (a remote frame with data)";
        }
    }
    return text;
}

std::string readOne(const std::string& line) {
    LineReader reader;
    can::Frame frame;
    // Whatever a line before left in the frame must not show through.
    std::fill(std::begin(frame.data), std::end(frame.data), uint8_t{0xEE});
    frame.isFd = frame.bitRateSwitch = frame.errorState = frame.transmitted = true;
    return describe(reader.read(line, frame), frame);
}

struct Case {
    std::string line;
    std::string expected;
};

void expectAll(const std::vector<Case>& cases) {
    for (const Case& c : cases) EXPECT_EQ(readOne(c.line), c.expected) << "line: " << c.line;
}

const std::string k64Bytes = [] {
    std::string hex;
    for (int i = 0; i < 64; ++i) {
        char byte[3];
        std::snprintf(byte, sizeof byte, "%02X", i);
        hex += byte;
    }
    return hex;
}();

TEST(CandumpLines, LogFormOfCandumpPythonCanAndAsc2log) {
    expectAll({
        {"(1700000000.123456) can0 123#11223344", "log can0 | data 123 [4] 11 22 33 44"},
        {"(1700000000.123456) can0 1ABCDEF0#", "log can0 | data 1ABCDEF0x [0]"},
        {"(1700000000.123456) can0 00000012#0A", "log can0 | data 00000012x [1] 0A"},
        {"(1700000000.123456) vcan1 123#R", "log vcan1 | remote 123 [0]"},
        {"(1700000000.123456) vcan1 123#r5", "log vcan1 | remote 123 [5]"},
        {"(1700000000.123456) vcan1 1ABCDEF0#R8_9", "log vcan1 | remote 1ABCDEF0x [8]"},
        {"(1700000000.123456) can0 7FF##1001122", "log can0 | data 7FF [3] 00 11 22 fd brs"},
        {"(1700000000.123456) can0 7FF##2", "log can0 | data 7FF [0] fd esi"},
        {"(1700000000.123456) can0 7FF##3AB", "log can0 | data 7FF [1] AB fd brs esi"},
        // Newer kernels set the FD flag (4) too, and candump writes it.
        {"(1700000000.123456) can0 7FF##5AB", "log can0 | data 7FF [1] AB fd brs"},
        {"(1700000000.123456) can0 18FEF100##0" + k64Bytes,
         "log can0 | data 18FEF100x [64] 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 "
         "12 13 14 15 16 17 18 19 1A 1B 1C 1D 1E 1F 20 21 22 23 24 25 26 27 28 29 2A 2B 2C 2D "
         "2E 2F 30 31 32 33 34 35 36 37 38 39 3A 3B 3C 3D 3E 3F fd"},
        // Error frames: asc2log writes the 8 error bytes, python-can none.
        {"(1700000000.123456) can0 20000080#0000000000000000",
         "log can0 | error 00000080 [8] 00 00 00 00 00 00 00 00"},
        {"(1700000000.123456) can0 20000080#", "log can0 | error 00000080 [0]"},
        {"(1700000000.123456) can0 20000004#0004000000000000 R",
         "log can0 | error 00000004 [8] 00 04 00 00 00 00 00 00"},
        // The direction mark of candump -x, python-can and asc2log.
        {"(1700000000.123456) can0 123#11 T", "log can0 | data 123 [1] 11 tx"},
        {"(1700000000.123456) can0 123#11 R", "log can0 | data 123 [1] 11"},
        {"(1700000000.123456) can0 123#11 t  ", "log can0 | data 123 [1] 11 tx"},
        {"(1700000000.123456) can0 123##1AA T", "log can0 | data 123 [1] AA fd brs tx"},
        // Separators, a raw data length code, lower-case digits, candump's padded names.
        {"(1700000000.123456) can0 123#11.22.33", "log can0 | data 123 [3] 11 22 33"},
        {"(1700000000.123456) can0 123##1.11.22", "log can0 | data 123 [2] 11 22 fd brs"},
        {"(1700000000.123456) can0 123#1122334455667788_E",
         "log can0 | data 123 [8] 11 22 33 44 55 66 77 88"},
        {"(1700000000.123456) can0 1abcdef0#aabb", "log can0 | data 1ABCDEF0x [2] AA BB"},
        {"(1700000000.123456)   can0 123#11", "log can0 | data 123 [1] 11"},
        {"(000.000100) vcan10 123#11", "log vcan10 | data 123 [1] 11"},
        {"can0 123#11", "log can0 | data 123 [1] 11"},
        {"(1700000000.123456) my_bus 123#11", "log my_bus | data 123 [1] 11"},
    });
}

TEST(CandumpLines, ScreenFormsOfCandump) {
    expectAll({
        {"  can0  123   [8]  11 22 33 44 55 66 77 88",
         "screen can0 | data 123 [8] 11 22 33 44 55 66 77 88"},
        {"  can0  1F334455   [2]  11 22", "screen can0 | data 1F334455x [2] 11 22"},
        {"  can0       123   [1]  11", "screen can0 | data 123 [1] 11"},  // indented after EFF
        {" (1700000000.123456)  can0  123   [3]  11 22 33", "screen can0 | data 123 [3] 11 22 33"},
        {" (2024-05-01 12:34:56.789012)  vcan1  123   [0]", "screen vcan1 | data 123 [0]"},
        {" (000.000123)  can1  123   [5]  remote request", "screen can1 | remote 123 [5]"},
        {"  can1  1ABCDEF0   [0]  remote request", "screen can1 | remote 1ABCDEF0x [0]"},
        // CAN FD: two length digits; BRS and ESI only with -x.
        {"  can0  123  [12]  00 11 22 33 44 55 66 77 88 99 AA BB",
         "screen can0 | data 123 [12] 00 11 22 33 44 55 66 77 88 99 AA BB fd"},
        {"  can0  12345678  [03]  11 22 33", "screen can0 | data 12345678x [3] 11 22 33 fd"},
        {"  can0  TX B E  123  [03]  11 22 33",
         "screen can0 | data 123 [3] 11 22 33 fd brs esi tx"},
        {"  can0  RX B -  123  [01]  11", "screen can0 | data 123 [1] 11 fd brs"},
        {"  can0  RX - -  123   [1]  11", "screen can0 | data 123 [1] 11"},
        {"  can0  TX - -  123   [2]  remote request", "screen can0 | remote 123 [2] tx"},
        // The ASCII column of -a, a quote among its characters.
        {"  can0  123   [8]  41 42 43 44 45 46 47 48   'ABCDEFGH'",
         "screen can0 | data 123 [8] 41 42 43 44 45 46 47 48"},
        {"  can0  123   [2]  41 27                     'A''", "screen can0 | data 123 [2] 41 27"},
        {"  can0  123   [2]  20 00                     ' .'", "screen can0 | data 123 [2] 20 00"},
        {"  can0  123   [0]                            ''", "screen can0 | data 123 [0]"},
        // Error frames of -e, the raw length code of -8, swapped (-S) and binary (-i) bytes.
        {"  can0  20000004   [8]  00 04 00 00 00 00 00 00   ERRORFRAME",
         "screen can0 | error 00000004 [8] 00 04 00 00 00 00 00 00"},
        {"  can0  321   {B}  11 22 33 44 55 66 77 88",
         "screen can0 | data 321 [8] 11 22 33 44 55 66 77 88"},
        {"  can0  321   {3}  11 22 33", "screen can0 | data 321 [3] 11 22 33"},
        {"  can0  123   [3]  33`22`11", "screen can0 | data 123 [3] 11 22 33"},
        {"  can0  123   [3]  33`22`11            `3\".`", "screen can0 | data 123 [3] 11 22 33"},
        {"  can0  123   [2]  00010001 10100010", "screen can0 | data 123 [2] 11 A2"},
        // candump -c: colour sequences around the time and the name.
        {" \x1b[1;34m(1700000000.123456)  \x1b[1;34mcan0\x1b[0m  123   [1]  11\x1b[0m",
         "screen can0 | data 123 [1] 11"},
    });
}

TEST(CandumpLines, LinesOfOtherKindsAreNamed) {
    expectAll({
        {"", "skipped: empty line"},
        {"   \t ", "skipped: empty line"},
        {"# written by a script", "skipped: comment"},
        {"// note", "skipped: comment"},
        {"DROPCOUNT: dropped 3 CAN frames on 'can0' socket (total drops 3)",
         "skipped: dropped-frames notice"},
        {"\tbus-error", "explanation"},
        {"\tprotocol-violation{{tx-dominant-bit-error}{}}", "explanation"},
        {"(1700000000.123456) can0 45123#81:00:12345678#11223344", "skipped: CAN XL frame"},
        {"  can0       123 [0003] (45|81:00:12345678) 11 22 33", "skipped: CAN XL frame"},
    });
}

TEST(CandumpLines, FramesThatBreakTheGrammarAreUnreadable) {
    const std::string time = "(1700000000.123456) can0 ";
    expectAll({
        // Identifiers: over 11 or 29 bits, flags no writer sets, wrong digit counts.
        {time + "800#11", "unreadable"},
        {time + "40000000#11", "unreadable"},
        {time + "80000123#", "unreadable"},
        {time + "12#11", "unreadable"},
        {time + "1234#11", "unreadable"},
        {time + "12G#11", "unreadable"},
        {time + "#11", "unreadable"},
        // Data: odd digits, no hex, more than the frame carries.
        {time + "123#112", "unreadable"},
        {time + "123#1G", "unreadable"},
        {time + "123#112233445566778899", "unreadable"},
        {time + "123##0" + k64Bytes + "00", "unreadable"},
        {time + "123##", "unreadable"},
        {time + "123##G11", "unreadable"},
        {time + "123#1122_9", "unreadable"},
        {time + "123#1122334455667788_7", "unreadable"},
        // Remote requests: a length past 8, an error or CAN FD one.
        {time + "123#R9", "unreadable"},
        {time + "123#RR", "unreadable"},
        {time + "123#R5_9", "unreadable"},
        {time + "20000080#R", "unreadable"},
        {time + "20000080##0", "unreadable"},
        // What follows the frame.
        {time + "123#11 X", "unreadable"},
        {time + "123#11 R R", "unreadable"},
        {time + "123#11 RT", "unreadable"},
        // Times and names.
        {"(1700000000.123456 can0 123#11", "unreadable"},
        {"(1700000000) can0 123#11", "unreadable"},
        {"(1700000000.) can0 123#11", "unreadable"},
        {"(99999999999.000000) can0 123#11", "unreadable"},
        {"(1700000000.123456)can0 123#11", "unreadable"},
        {"(2024-13-01 00:00:00.000000) can0 123#11", "unreadable"},
        {"(2023-02-29 00:00:00.000000) can0 123#11", "unreadable"},
        {"(2024-05-01 24:00:00.000000) can0 123#11", "unreadable"},
        {"(2024-05-01 12:34.000000) can0 123#11", "unreadable"},
        {"(1700000000.123456)", "unreadable"},
        {"(1700000000.123456) can0", "unreadable"},
        {"(1700000000.123456) " + std::string(65, 'c') + " 123#11", "unreadable"},
        // Screen lines whose length disagrees with their bytes, or wrong trailers.
        {"  can0  123   [3]  11 22", "unreadable"},
        {"  can0  123   [2]  11 22 33", "unreadable"},
        {"  can0  123   [9]  11 22 33 44 55 66 77 88 99", "unreadable"},
        {"  can0  123  [65]  11", "unreadable"},
        {"  can0  123   [2]  11 2G", "unreadable"},
        {"  can0  123   [2]  11 222", "unreadable"},
        {"  can0  123   [2]  1122", "unreadable"},
        {"  can0  123   [2]  11 22   'A'", "unreadable"},
        {"  can0  123   [2]  11 22   ERRORFRAME", "unreadable"},
        {"  can0  20000004  [08]  00 04 00 00 00 00 00 00  remote request", "unreadable"},
        {"  can0  123  [02]  remote request", "unreadable"},
        {"  can0  QX B E  123   [1]  11", "unreadable"},
        {"  can0  RX X E  123  [01]  11", "unreadable"},
        {"  can0  123   [x]  11", "unreadable"},
        {"  can0  123   {G}  11", "unreadable"},
        {"  can0  123   [1]  00012001", "unreadable"},
        // Binary junk.
        {std::string("\x00\xFF\x13(\x01#\x02", 7), "unreadable"},
        {std::string("(1700000000.123456) can0 123#\x00\x11", 31), "unreadable"},
        // A colour sequence alone leaves nothing.
        {"\x1b[1m", "skipped: empty line"},
        {"\x1b[", "skipped: empty line"},
    });
}

TEST(CandumpLines, TimesAreExactToTheNanosecond) {
    struct TimeCase {
        std::string time;
        TimeForm form;
        uint64_t seconds;
        uint32_t nanoseconds;
        int digits;
    };
    const TimeCase cases[] = {
        {"(1700000000.123456)", TimeForm::kSeconds, 1700000000, 123456000, 10},
        {"(0000000012.000001)", TimeForm::kSeconds, 12, 1000, 10},
        {"(1700000000.123456789)", TimeForm::kSeconds, 1700000000, 123456789, 10},
        {"(1700000000.1234567891)", TimeForm::kSeconds, 1700000000, 123456789, 10},
        {"(9999999999.999999)", TimeForm::kSeconds, 9999999999, 999999000, 10},
        {"(000.000123)", TimeForm::kSeconds, 0, 123000, 3},
        {"(0.5)", TimeForm::kSeconds, 0, 500000000, 1},
        {"(2024-05-01 12:34:56.789012)", TimeForm::kDate, 0, 789012000, 0},
        {"(2024-02-29 23:59:60.5)", TimeForm::kDate, 0, 500000000, 0},
    };
    for (const TimeCase& c : cases) {
        LineReader reader;
        can::Frame frame;
        const LineResult result = reader.read(c.time + " can0 123#11", frame);
        ASSERT_EQ(result.kind, LineKind::kFrame) << c.time;
        EXPECT_EQ(result.time.form, c.form) << c.time;
        EXPECT_EQ(result.time.seconds, c.seconds) << c.time;
        EXPECT_EQ(result.time.nanoseconds, c.nanoseconds) << c.time;
        EXPECT_EQ(result.time.secondDigits, c.digits) << c.time;
    }
    // Every count of digits, against a plain reading of them.
    LineReader reader;
    can::Frame frame;
    const std::string digits = "8273645190827364";
    for (size_t whole = 1; whole <= 12; ++whole) {
        for (size_t fraction = 1; fraction <= 12; ++fraction) {
            std::string time = "(";
            time.append(digits, 0, whole).append(".");
            time.append(digits, digits.size() - fraction).append(")");
            const LineResult result = reader.read(time + " can0 123#11", frame);
            const uint64_t seconds = std::stoull(digits.substr(0, whole));
            if (seconds > sources::candump::kMaxSeconds) {
                EXPECT_EQ(result.kind, LineKind::kUnreadable) << time;
                continue;
            }
            ASSERT_EQ(result.kind, LineKind::kFrame) << time;
            EXPECT_EQ(result.time.seconds, seconds) << time;
            EXPECT_EQ(result.time.secondDigits, static_cast<int>(whole)) << time;
            std::string nine = digits.substr(digits.size() - fraction).substr(0, 9);
            nine.resize(9, '0');
            EXPECT_EQ(result.time.nanoseconds, std::stoul(nine)) << time;
        }
    }
    const LineResult dated = reader.read(" (2024-05-01 12:34:56.789012)  can0  123   [0]", frame);
    ASSERT_EQ(dated.kind, LineKind::kFrame);
    EXPECT_EQ(dated.time.civil.year, 2024);
    EXPECT_EQ(dated.time.civil.month, 5);
    EXPECT_EQ(dated.time.civil.day, 1);
    EXPECT_EQ(dated.time.civil.hour, 12);
    EXPECT_EQ(dated.time.civil.minute, 34);
    EXPECT_EQ(dated.time.civil.second, 56);
    EXPECT_EQ(reader.read("can0 123#11", frame).time.form, TimeForm::kNone);
}

}  // namespace

namespace {

// One reader for line after line (the plain reading keeps the seconds of the line before):
// seconds changed in any one of their ten digits, changed back, and broken in their last two,
// read as their digits say, in a line by itself and from a block.
TEST(CandumpLines, SecondsOfEachLineAreItsOwn) {
    LineReader reader;
    can::Frame frame;
    uint32_t state = 3;
    std::string seconds = "1714566896";
    for (int i = 0; i < 3000; ++i) {
        state = state * 1103515245 + 12345;
        const std::string before = seconds;
        seconds[(state >> 8) % 10] = static_cast<char>('0' + (state >> 16) % 10);
        if (i % 7 == 0) seconds = before.substr(0, 8) + "9" + before[9];
        std::string written = seconds;
        if (i % 11 == 0) written[8 + (state >> 20) % 2] = 'x';
        const std::string line = "(" + written + ".000250) can0 123#11";
        const bool block = i % 2 == 0;
        const LineResult& result = block && reader.readPlainLine(line + "\n", frame) != 0
                                       ? reader.result()
                                       : reader.read(line, frame);
        if (written != seconds) {
            ASSERT_EQ(result.kind, LineKind::kUnreadable) << line;
            seconds = before;
            continue;
        }
        ASSERT_EQ(result.kind, LineKind::kFrame) << line;
        ASSERT_EQ(result.time.seconds, std::stoull(seconds)) << line;
    }
}

// Everything a line's reading gives, for comparing two readings.
std::string wholeReading(const LineResult& result, const can::Frame& frame) {
    std::ostringstream out;
    out << static_cast<int>(result.kind) << ' ' << static_cast<int>(result.form) << ' '
        << result.skipped << ' ' << static_cast<int>(result.time.form) << ' ' << result.time.seconds
        << '.' << result.time.nanoseconds << ' ' << result.time.secondDigits << " ["
        << result.interface << ']';
    if (result.kind != LineKind::kFrame) return out.str();
    out << ' ' << static_cast<int>(frame.kind) << ' ' << frame.canId << ' ' << frame.dataLength
        << ' ' << frame.isExtended << frame.isFd << frame.bitRateSwitch << frame.errorState
        << frame.transmitted << ' ' << frame.event << ' ';
    for (const uint8_t byte : frame.data) out << static_cast<int>(byte) << ',';
    return out.str();
}

// `text` followed by `end` and the next lines, read from a block as the source reads it: a line
// taken is the one LineInput would hand on (to the first LF, without the CR before it) and reads
// as the grammar reads it; the bytes without their line end are never taken.
void expectBlockReadingAgrees(const std::string& text, const std::string& end,
                              const std::string& after, int& takenCount) {
    const std::string bytes = text + end + after;
    LineReader block;
    can::Frame a;
    const size_t taken = block.readPlainLine(bytes, a);
    if (taken != 0) {
        ++takenCount;
        const size_t feed = bytes.find('\n');
        ASSERT_EQ(taken, feed + 1) << "'" << bytes << "'";
        std::string line = bytes.substr(0, feed);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        LineReader byGrammar;
        can::Frame b;
        ASSERT_EQ(wholeReading(block.result(), a),
                  wholeReading(byGrammar.readByGrammar(line, b), b))
            << "'" << bytes << "'";
    }
    if (text.find('\n') == std::string::npos) {
        ASSERT_EQ(block.readPlainLine(text, a), 0u) << "'" << text << "'";
    }
}

// The one-pass reading of plain candump -L lines and the reading by the whole grammar agree on
// the lines writers write and on every mangling of them: characters replaced, dropped, doubled.
// So does the reading of the same lines from a block, which finds their end itself.
TEST(CandumpLines, OnePassAndGrammarReadingsAgree) {
    const std::string seeds[] = {
        "(1714566896.000250) can0 123#01A2FF",
        "(1714566896.000000) can1 1E0#67EC8E65A18DEBBE R",
        "(1714566896.999999) vcan12 18FEF100#0011223344556677 T",
        "(0000000001.000001) x 7FF#",
        "(1714566896.000250) can0 123#R",
        "(1714566896.000250) can0 20000080#0000000000000000",
        "(1714566896.000250) can0 123##3AABB",
    };
    const std::string alphabet = " \t.#()_xRTrt0123456789ABCDEFabcf";
    uint32_t state = 777;
    const auto next = [&state](uint32_t below) {
        state = state * 1103515245 + 12345;
        return (state >> 8) % below;
    };
    int taken = 0;
    int takenFromBlock = 0;
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
            LineReader onePass;
            LineReader byGrammar;
            can::Frame a;
            can::Frame b;
            const std::string first = wholeReading(onePass.read(text, a), a);
            const std::string second = wholeReading(byGrammar.readByGrammar(text, b), b);
            ASSERT_EQ(first, second) << "'" << text << "'";
            if (onePass.read(text, a).kind == LineKind::kFrame) ++taken;
            expectBlockReadingAgrees(text, "\n", next(2) == 0 ? "" : "(1714566896.000250) c 1#\n",
                                     takenFromBlock);
            expectBlockReadingAgrees(text, "\r\n", "1", takenFromBlock);
            // A line feed or carriage return within the line.
            std::string broken = text;
            broken.insert(next(static_cast<uint32_t>(text.size() + 1)), 1, next(2) ? '\n' : '\r');
            expectBlockReadingAgrees(broken, "\n", "", takenFromBlock);
        }
    }
    EXPECT_GT(taken, 8000);           // the manglings leave many lines frames
    EXPECT_GT(takenFromBlock, 5000);  // plain lines among them, read from a block
}

}  // namespace

namespace {

// Every byte value at every place of eight data bytes (both readings take eight digits at once),
// and interface names of every length, against a reading character by character.
TEST(CandumpLines, EveryByteOfTheDataAndTheNameIsTakenForWhatItIs) {
    const std::string digits = "0123456789ABCDEFabcdef";
    const auto naive = [](char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    // Characters the grammar gives a meaning of its own in the data.
    const std::string special = "#. \tRr_";
    size_t step = 0;
    for (size_t at = 0; at < 16; ++at) {
        for (int value = 0; value < 256; ++value) {
            std::string data;
            for (size_t i = 0; i < 16; ++i) data += digits[(at * 7 + i * 5 + step++) % 22];
            const char c = static_cast<char>(value);
            data[at] = c;
            const std::string line = "(1714566896.000250) can0 123#" + data;
            for (const bool byGrammar : {false, true}) {
                LineReader reader;
                can::Frame frame;
                const LineResult& result =
                    byGrammar ? reader.readByGrammar(line, frame) : reader.read(line, frame);
                if (naive(c) >= 0) {
                    ASSERT_EQ(result.kind, LineKind::kFrame) << line;
                    ASSERT_EQ(frame.dataLength, 8);
                    for (size_t i = 0; i < 8; ++i) {
                        ASSERT_EQ(frame.data[i], naive(data[2 * i]) * 16 + naive(data[2 * i + 1]))
                            << line;
                    }
                } else if (special.find(c) == std::string::npos) {
                    ASSERT_EQ(result.kind, LineKind::kUnreadable) << value << " at " << at;
                }
            }
        }
    }
    for (size_t length = 1; length <= 20; ++length) {
        for (const char blank : {' ', '\t'}) {
            const std::string name = std::string(length - 1, 'n') + char('0' + length % 10);
            const std::string line = "(1714566896.000250) " + name + blank + "123#11 T";
            LineReader reader;
            can::Frame frame;
            const LineResult& result = reader.read(line, frame);
            ASSERT_EQ(result.kind, LineKind::kFrame) << line;
            EXPECT_EQ(result.interface, name);
            EXPECT_TRUE(frame.transmitted);
            // A name running into the end of the line, or bytes past 0x7F in it.
            EXPECT_EQ(reader.read("(1714566896.000250) " + name, frame).kind,
                      LineKind::kUnreadable);
            const std::string high = std::string(length, '\xA0');
            EXPECT_EQ(reader.read("(1714566896.000250) " + high + " 123#11", frame).interface,
                      high);
        }
    }
}

}  // namespace
