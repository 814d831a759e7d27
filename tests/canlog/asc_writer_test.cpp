#include "canlog/asc_writer.h"

#include <gtest/gtest.h>

#include "tests/canlog/frame_writer_support.h"
#include "tests/support/test_paths.h"

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

TEST(AscWriter, LocalDatesAndTheZoneTheyAreIn) {
    const auto header = [](const char* zone, canlog::HeaderClock headerClock) {
        testing_support::useTimeZone(zone);
        const std::string text = writtenBytes([headerClock](output::BlockOutput& output) {
            canlog::AscWriter writer(output);
            writer.begin(export_testing::captureClock(29, 0, 1714566896, 789250000, headerClock));
            writer.frame(frameOf(0, 0x123, false, {0x01}), 1000000);
            writer.end();
        });
        testing_support::useUtc();
        return text.substr(0, text.find("End"));
    };
    const std::string frame = "   0.001250 1  123             Rx   d 1 01\n";
    EXPECT_EQ(header("JST-9", canlog::HeaderClock::kLocal),
              "date Wed May 01 09:34:56.789 pm 2024\n"
              "base hex  timestamps absolute\n"
              "no internal events logged\n"
              "// times from the date above (local time, UTC+09:00); the recording started at "
              "2024-05-01 12:34:56.789250000 UTC\n"
              "Begin Triggerblock Wed May 01 09:34:56.789 pm 2024\n" +
                  frame);
    EXPECT_EQ(header("JST-9", canlog::HeaderClock::kUtc),
              "date Wed May 01 12:34:56.789 pm 2024\n"
              "base hex  timestamps absolute\n"
              "no internal events logged\n"
              "// times from the date above (UTC); the recording started at "
              "2024-05-01 12:34:56.789250000 UTC\n"
              "Begin Triggerblock Wed May 01 12:34:56.789 pm 2024\n" +
                  frame);
    // Zones behind UTC and off the whole hour.
    EXPECT_NE(header("NST3:30", canlog::HeaderClock::kLocal)
                  .find("date Wed May 01 09:04:56.789 am 2024\n"),
              std::string::npos);
    EXPECT_NE(header("NST3:30", canlog::HeaderClock::kLocal).find("(local time, UTC-03:30)"),
              std::string::npos);
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

// The body of a dated log (the lines between Begin Triggerblock and End TriggerBlock).
std::string bodyOf(const std::string& text) {
    const size_t begin = text.find('\n', text.find("Begin Triggerblock")) + 1;
    const size_t end = text.find("End TriggerBlock");
    return text.substr(begin, end - begin);
}

TEST(AscWriter, EveryKindAndFlagOnAnyChannel) {
    canlog::LeftOutCounts leftOut;
    const std::string text = writtenBytes([&](output::BlockOutput& output) {
        canlog::AscWriter writer(output);
        writer.begin(datedClock(1714566896, 789000000));
        can::Frame frame = frameOf(2, 0x123, false, {0x01, 0x02});
        frame.transmitted = true;
        writer.frame(frame, 1000);  // sent, on the third channel
        frame = frameOf(0, 0x7FF, false, {});
        frame.kind = can::FrameKind::kRemote;
        frame.dataLength = 8;
        writer.frame(frame, 2000);  // a remote request for 8 bytes
        frame = frameOf(1, 0x1ABCDEF, true, {});
        frame.kind = can::FrameKind::kRemote;
        frame.transmitted = true;
        writer.frame(frame, 3000);  // for none, sent
        frame = countingFrame(0, 0x100, false, 8);
        frame.isFd = true;
        frame.bitRateSwitch = true;
        writer.frame(frame, 4000);  // CAN FD of 8 bytes: a CANFD line all the same
        frame = countingFrame(11, 0x1ABCDEF, true, 12);
        frame.isFd = true;
        frame.errorState = true;
        frame.transmitted = true;
        writer.frame(frame, 5000);
        frame = countingFrame(999, 0x7, false, 0);
        frame.isFd = true;
        frame.bitRateSwitch = frame.errorState = true;
        writer.frame(frame, 6000);  // the channel column widens
        frame = frameOf(0, 0, false, {});
        frame.kind = can::FrameKind::kError;
        writer.frame(frame, 7000);
        frame = frameOf(can::kMaxChannel, 0x80, false, {0, 0, 8, 0, 0, 0, 0, 0});
        frame.kind = can::FrameKind::kError;
        frame.transmitted = true;
        writer.frame(frame, 8000);  // direction, class and data have no place
        frame = frameOf(1, 0, false, {});
        frame.kind = can::FrameKind::kError;
        frame.isFd = frame.bitRateSwitch = frame.transmitted = true;
        writer.frame(frame, 9000);  // CAN FD's error line has a direction, no BRS
        frame = frameOf(0, 0x55, false, {});
        frame.kind = can::FrameKind::kRemote;
        frame.dataLength = 2;
        frame.isFd = true;
        writer.frame(frame, 10000);  // CAN FD has no remote frames: written as classic
        // Written nowhere: channels no source hands on, and a frame no source could read.
        writer.frame(frameOf(-1, 0x1, false, {1}), 11000);
        writer.frame(frameOf(can::kMaxChannel + 1, 0x1, false, {1}), 11000);
        frame = frameOf(0, 0x1, false, {1});
        frame.kind = can::FrameKind::kDamaged;
        writer.frame(frame, 11000);
        writer.event(5, 9, 12000);  // a comment, as for the captures
        writer.end();
        leftOut = writer.leftOut();
    });
    // The unknown fields of a CANFD line around its flags word (EDL 1000, BRS 2000, ESI 4000).
    const auto fdTail = [](const std::string& flags) {
        return "        0    0     " + flags + "        0        0        0        0        0";
    };
    EXPECT_EQ(bodyOf(text),
              "   0.000001 3  123             Tx   d 2 01 02\n"
              "   0.000002 1  7FF             Rx   r 8\n"
              "   0.000003 2  1ABCDEFx        Tx   r 0\n"
              "   0.000004 CANFD   1 Rx         100  1 0 8  8 01 02 03 04 05 06 07 08" +
                  fdTail("3000") +
                  "\n"
                  "   0.000005 CANFD  12 Tx    1ABCDEFx  0 1 9 12 01 02 03 04 05 06 07 08 09 0A "
                  "0B 0C" +
                  fdTail("5000") +
                  "\n"
                  "   0.000006 CANFD 1000 Rx           7  1 1 0  0" +
                  fdTail("7000") +
                  "\n"
                  "   0.000007 1  ErrorFrame\n"
                  "   0.000008 65536  ErrorFrame\n"
                  "   0.000009 CANFD   2 Tx   ErrorFrame\n"
                  "   0.000010 1  55              Rx   r 2\n"
                  "//    0.000012 capture event of kind 5 at record 9\n");
    using canlog::LeftOut;
    EXPECT_EQ(leftOut[LeftOut::kFrameOnChannel], 2u);
    EXPECT_EQ(leftOut[LeftOut::kOtherKind], 1u);
    EXPECT_EQ(leftOut[LeftOut::kEvent], 0u);
    EXPECT_EQ(leftOut[LeftOut::kErrorDirection], 1u);
    EXPECT_EQ(leftOut[LeftOut::kErrorContent], 1u);
    EXPECT_EQ(leftOut[LeftOut::kErrorFdFlags], 1u);
    EXPECT_EQ(leftOut[LeftOut::kRemoteFdFlags], 1u);
    EXPECT_EQ(leftOut.total(), 7u);
}

}  // namespace
