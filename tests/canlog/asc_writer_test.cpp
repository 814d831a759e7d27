#include "canlog/asc_writer.h"

#include <gtest/gtest.h>

#include "tests/canlog/frame_writer_support.h"

namespace {

using export_testing::countingFrame;
using export_testing::datedClock;
using export_testing::frameOf;
using export_testing::undatedClock;
using export_testing::writtenBytes;

std::string ascDate(int64_t seconds, int millisecond) {
    char text[40] = {};
    const int length = canlog::formatAscDate(canlog::utcTimeOf(seconds, millisecond), text);
    return std::string(text, static_cast<size_t>(length));
}

TEST(AscDate, TwelveHourClockWithAmAndPm) {
    EXPECT_EQ(ascDate(1714566896, 789), "Wed May 01 12:34:56.789 pm 2024");
    EXPECT_EQ(ascDate(1714521600, 0), "Wed May 01 12:00:00.000 am 2024");  // midnight
    EXPECT_EQ(ascDate(1714521600 + 11 * 3600 + 59 * 60, 5), "Wed May 01 11:59:00.005 am 2024");
    EXPECT_EQ(ascDate(1714521600 + 13 * 3600, 0), "Wed May 01 01:00:00.000 pm 2024");
    EXPECT_EQ(ascDate(0, 0), "Thu Jan 01 12:00:00.000 am 1970");
    EXPECT_EQ(ascDate(253402300799, 999), "Fri Dec 31 11:59:59.999 pm 9999");
}

TEST(AscWriter, DatedLogWithClassicExtendedAndFdFramesAndEvents) {
    const std::string text = writtenBytes([](output::BlockOutput& output) {
        canlog::AscWriter writer(output);
        writer.begin(datedClock(1714566896, 789250000));
        writer.frame(frameOf(0, 0x123, false, {0x01, 0xA2, 0xFF}), 1000000);
        writer.frame(frameOf(1, 0x18FEF100, true, {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88}),
                     2000000);
        writer.event(5, 7, 3000000);
        writer.frame(countingFrame(1, 0x1ABCDEF, true, 9), 10000000000);
        writer.frame(countingFrame(0, 0x7FF, false, 64), 12345678901000);
        writer.end();
    });
    const std::string expected =
        "date Wed May 01 12:34:56.789 pm 2024\n"
        "base hex  timestamps absolute\n"
        "no internal events logged\n"
        "// times from the date above (UTC); the recording started at 2024-05-01 "
        "12:34:56.789250000 UTC\n"
        "Begin Triggerblock Wed May 01 12:34:56.789 pm 2024\n"
        "   0.001250 1  123             Rx   d 3 01 A2 FF\n"
        "   0.002250 2  18FEF100x       Rx   d 8 11 22 33 44 55 66 77 88\n"
        "//    0.003250 capture event of kind 5 at record 7\n"
        "  10.000250 CANFD   2 Rx    1ABCDEFx  0 0 9 12 01 02 03 04 05 06 07 08 09 00 00 00"
        "        0    0     1000        0        0        0        0        0\n";
    ASSERT_EQ(text.substr(0, expected.size()), expected);
    // 64 bytes: code f; times past 9999 s widen the column.
    std::string fd64 = "12345.679151 CANFD   1 Rx         7FF  0 0 f 64";
    for (int i = 1; i <= 64; ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, " %02X", i);
        fd64 += byte;
    }
    fd64 += "        0    0     1000        0        0        0        0        0\n";
    EXPECT_EQ(text.substr(expected.size()), fd64 + "End TriggerBlock\n");
}

TEST(AscWriter, UndatedLogsSayWhatTheirTimesCountFrom) {
    const std::string mode5 = writtenBytes([](output::BlockOutput& output) {
        canlog::AscWriter writer(output);
        writer.begin(undatedClock(5));
        writer.frame(frameOf(0, 0x10, false, {0xAB}), 123 * 10000);
        writer.end();
    });
    EXPECT_EQ(mode5,
              "base hex  timestamps absolute\n"
              "no internal events logged\n"
              "// times from the zero of the capture's own count, in units of 10 us (time-stamp "
              "mode 5); the capture records no date\n"
              "Begin Triggerblock\n"
              "   0.001230 1  10              Rx   d 1 AB\n"
              "End TriggerBlock\n");

    const std::string mode0 = writtenBytes([](output::BlockOutput& output) {
        canlog::AscWriter writer(output);
        writer.begin(undatedClock(0));
        writer.end();
    });
    EXPECT_NE(mode0.find("// the capture's time-stamp mode 0 gives its time counts no unit: every "
                         "time is 0\n"),
              std::string::npos);

    // A recording start before 1970 is no date the format carries.
    const canlog::LogClock undated29 = export_testing::captureClock(29, 0, -1, 0);
    const std::string text = writtenBytes([&](output::BlockOutput& output) {
        canlog::AscWriter writer(output);
        writer.begin(undated29);
        writer.end();
    });
    EXPECT_EQ(text.substr(0, 5), "base ");  // no "date" line
    EXPECT_NE(text.find("// times from the recording start, whose date"), std::string::npos);
}

}  // namespace
