#include "canlog/candump_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/canlog/frame_writer_support.h"

namespace {

using export_testing::countingFrame;
using export_testing::datedClock;
using export_testing::frameOf;
using export_testing::undatedClock;
using export_testing::writtenBytes;

const std::string kDefaultNames[2] = {"can0", "can1"};

TEST(CandumpWriter, LinesOfClassicExtendedAndFdFramesAtAbsoluteTimes) {
    const std::string text = writtenBytes([](output::BlockOutput& output) {
        canlog::CandumpWriter writer(output, kDefaultNames);
        writer.begin(datedClock(1700000000, 999999500));
        writer.frame(frameOf(0, 0x12, false, {0x01, 0xA2, 0xFF}), 0);
        // Past the second: 999999500 ns + 1500 ns carries into the seconds.
        writer.frame(frameOf(1, 0x18FEF100, true, {0x00, 0x11}), 1500);
        writer.event(5, 3, 2000);  // the format has no place for it
        writer.frame(countingFrame(1, 0x1F, true, 9), 1000000000);
        writer.frame(countingFrame(0, 0x7FF, false, 8), 0);
        writer.end();
    });
    EXPECT_EQ(text,
              "(1700000000.999999) can0 012#01A2FF\n"
              "(1700000001.000001) can1 18FEF100#0011\n"
              "(1700000001.999999) can1 0000001F##0010203040506070809000000\n"
              "(1700000000.999999) can0 7FF#0102030405060708\n");
}

// Eight data bytes are written sixteen digits at once: every byte value at every place, against
// a writing byte by byte.
TEST(CandumpWriter, EveryByteOfEightIsWrittenAsItsTwoDigits) {
    for (int place = 0; place < 8; ++place) {
        std::string expected;
        const std::string text = writtenBytes([&](output::BlockOutput& output) {
            canlog::CandumpWriter writer(output, kDefaultNames);
            writer.begin(datedClock(1700000000, 0));
            for (int value = 0; value < 256; ++value) {
                // The bytes past the eight are the continuation's 0xEE, which must not show.
                can::Frame frame = countingFrame(0, 0x123, false, 8);
                for (int i = 0; i < 8; ++i) {
                    frame.data[i] = static_cast<uint8_t>(value * 13 + i * 41);
                }
                frame.data[place] = static_cast<uint8_t>(value);
                writer.frame(frame, 0);
                expected += "(1700000000.000000) can0 123#";
                for (int i = 0; i < 8; ++i) {
                    const uint8_t byte = frame.data[i];
                    char digits[3];
                    std::snprintf(digits, sizeof digits, "%02X", byte);
                    expected += digits;
                }
                expected += "\n";
            }
        });
        ASSERT_EQ(text, expected) << "place " << place;
    }
}

TEST(CandumpWriter, UndatedTimesAndChannelNamesOfTheUser) {
    const std::string names[2] = {"vcan0", "bus_b"};
    const std::string text = writtenBytes([&](output::BlockOutput& output) {
        canlog::CandumpWriter writer(output, names);
        writer.begin(undatedClock(4));
        writer.frame(frameOf(0, 0x100, false, {0x01}), 12345 * 100000ull);
        writer.frame(countingFrame(1, 0x200, false, 33), 0);
        writer.end();
    });
    std::string data48;
    for (int i = 1; i <= 48; ++i) {
        char byte[3];
        std::snprintf(byte, sizeof byte, "%02X", i <= 33 ? i : 0);
        data48 += byte;
    }
    EXPECT_EQ(text,
              "(0000000001.234500) vcan0 100#01\n"
              "(0000000000.000000) bus_b 200##0" +
                  data48 + "\n");
}

TEST(CandumpWriter, ChannelNamesAreInterfaceNames) {
    for (const char* good : {"can0", "vcan1", "a", "bus-b.2", "x23456789012345", "0x1"}) {
        EXPECT_TRUE(canlog::isCandumpChannelName(good)) << good;
    }
    for (const char* bad :
         {"", "can 0", "can#0", "(can)", "a/b", "x234567890123456", "12", "\t", "caf\x7f"}) {
        EXPECT_FALSE(canlog::isCandumpChannelName(bad)) << bad;
    }
}

TEST(CandumpWriter, EveryKindAndFlagOnAnyChannel) {
    using canlog::LeftOut;
    canlog::LeftOutCounts leftOut;
    const std::string names[2] = {"vcan0", "bus_b"};
    const std::string text = writtenBytes([&](output::BlockOutput& output) {
        canlog::CandumpWriter writer(output, names);
        writer.begin(datedClock(1700000000, 0));
        can::Frame frame = frameOf(1, 0x123, false, {0x11});
        frame.transmitted = true;
        writer.frame(frame, 1000);  // sent: marked as candump -x marks it
        frame = countingFrame(2, 0x1ABCDEF, true, 0);
        frame.kind = can::FrameKind::kRemote;
        writer.frame(frame, 2000);  // no length digit for 0
        frame.dataLength = 5;
        frame.transmitted = true;
        writer.frame(frame, 3000);
        frame = frameOf(0, 0x7FF, false, {});
        frame.kind = can::FrameKind::kRemote;
        frame.dataLength = 8;
        frame.isFd = true;  // no place: CAN FD has no remote frames
        writer.frame(frame, 4000);
        frame = countingFrame(3, 0x100, false, 2);
        frame.isFd = frame.bitRateSwitch = true;
        writer.frame(frame, 5000);  // CAN FD of 2 bytes
        frame = countingFrame(17, 0x100, false, 10);
        frame.isFd = frame.errorState = true;
        writer.frame(frame, 6000);
        frame.bitRateSwitch = true;
        frame.channel = can::kMaxChannel;
        frame.dataLength = 0;
        writer.frame(frame, 7000);
        frame = frameOf(0, 0x0A0, false, {0, 0, 8, 0, 0, 0, 0, 0});
        frame.kind = can::FrameKind::kError;
        writer.frame(frame, 8000);  // SocketCAN's error classes and bytes, as they were read
        frame = countingFrame(1, 0, false, 12);
        frame.kind = can::FrameKind::kError;
        frame.isFd = frame.transmitted = true;
        writer.frame(frame, 9000);  // 8 bytes of 12, no FD flags
        writer.frame(frameOf(-1, 1, false, {}), 10000);
        frame = frameOf(0, 1, false, {});
        frame.kind = can::FrameKind::kEvent;
        writer.frame(frame, 10000);
        writer.event(5, 3, 10000);
        writer.end();
        leftOut = writer.leftOut();
    });
    EXPECT_EQ(text,
              "(1700000000.000001) bus_b 123#11 T\n"
              "(1700000000.000002) can2 01ABCDEF#R\n"
              "(1700000000.000003) can2 01ABCDEF#R5 T\n"
              "(1700000000.000004) vcan0 7FF#R8\n"
              "(1700000000.000005) can3 100##10102\n"
              "(1700000000.000006) can17 100##20102030405060708090A0000\n"
              "(1700000000.000007) can65535 100##3\n"
              "(1700000000.000008) vcan0 200000A0#0000080000000000\n"
              "(1700000000.000009) bus_b 20000000#0102030405060708 T\n");
    EXPECT_EQ(leftOut[LeftOut::kRemoteFdFlags], 1u);
    EXPECT_EQ(leftOut[LeftOut::kErrorFdFlags], 1u);
    EXPECT_EQ(leftOut[LeftOut::kErrorContent], 1u);
    EXPECT_EQ(leftOut[LeftOut::kFrameOnChannel], 1u);
    EXPECT_EQ(leftOut[LeftOut::kOtherKind], 1u);
    EXPECT_EQ(leftOut[LeftOut::kEvent], 1u);
    EXPECT_EQ(leftOut[LeftOut::kErrorDirection], 0u);
    EXPECT_EQ(leftOut.total(), 6u);
}

}  // namespace
