#include "canlog/candump_writer.h"

#include <gtest/gtest.h>

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

}  // namespace
