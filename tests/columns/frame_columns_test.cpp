#include "columns/frame_columns.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "tests/support/loaded_capture.h"
#include "tools/dtgen/capture_builder.h"

namespace {

int32_t readTable(const dtgen::CaptureBuilder& b, columns::FrameTable& table) {
    testing_support::LoadedCapture capture(b.build());
    if (capture.loadResult() != 0) return capture.loadResult();
    return columns::readFrameTable(capture.source(), table).code();
}

TEST(FrameTable, FramesInFileOrderWithTheirBytesAndRecordIndex) {
    dtgen::CaptureBuilder b(29);
    b.startTime(1700000000, 250000000);
    b.frame({.channel = 0, .id = 0x123, .data = {1, 2, 3}, .time = 1000});
    b.event({.kind = 5, .time = 1500});
    std::vector<uint8_t> fd(20);
    for (size_t i = 0; i < fd.size(); ++i) fd[i] = static_cast<uint8_t>(i);
    b.frame({.channel = 1, .id = 0x18FEF100, .extended = true, .data = fd, .time = 2500});
    b.frame({.channel = 0, .id = 0x7, .data = {9}, .time = 3000, .lengthField = 0});  // no frame
    b.frame({.channel = 0, .id = 0x8, .data = {0xAA}, .time = 4000});
    columns::FrameTable table;
    ASSERT_EQ(readTable(b, table), 0);
    ASSERT_EQ(table.rows(), 3u);
    EXPECT_EQ(table.time.scheme, tables::TimeScheme::kDateTime);
    EXPECT_EQ(table.record, (std::vector<uint64_t>{0, 2, 5}));  // 3 continues the FD frame
    EXPECT_EQ(table.instant, (std::vector<int64_t>{1700000000251000000, 1700000000252500000,
                                                   1700000000254000000}));
    EXPECT_EQ(table.elapsed, (std::vector<double>{0.001, 0.0025, 0.004}));
    EXPECT_EQ(table.channel, (std::vector<uint16_t>{1, 2, 1}));
    EXPECT_EQ(table.id, (std::vector<uint32_t>{0x123, 0x18FEF100, 0x8}));
    EXPECT_EQ(table.extended, (std::vector<uint8_t>{0, 1, 0}));
    EXPECT_EQ(table.length, (std::vector<uint8_t>{3, 20, 1}));
    ASSERT_EQ(table.data.size(), 24u);
    EXPECT_EQ(table.data[3], 0);
    EXPECT_EQ(table.data[22], 19);
    EXPECT_EQ(table.data[23], 0xAA);
}

TEST(FrameTable, TimeUnitsOfTheOlderLayoutAndUnknownLayouts) {
    dtgen::CaptureBuilder b(27);
    b.timeStampMode(2);  // a clock in counts of 100 us
    b.frame({.channel = 1, .id = 0x100, .data = {1}, .time = 25});
    columns::FrameTable table;
    ASSERT_EQ(readTable(b, table), 0);
    EXPECT_EQ(table.time.scheme, tables::TimeScheme::kClock);
    EXPECT_EQ(table.elapsed, (std::vector<double>{0.0025}));
    EXPECT_EQ(table.instant, (std::vector<int64_t>{columns::kNoInstant}));

    monitor::MonitorFile unknown;
    unknown.variant = 31;
    sources::CaptureSource source(unknown);
    EXPECT_EQ(columns::readFrameTable(source, table).code(), platform::kInvalidData);
    EXPECT_EQ(table.rows(), 0u);
}

}  // namespace
