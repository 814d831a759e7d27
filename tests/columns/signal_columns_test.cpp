#include "columns/signal_columns.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "dbc/loader.h"
#include "run/file_converter.h"
#include "tests/support/loaded_capture.h"
#include "tests/support/test_paths.h"
#include "tools/dtgen/capture_builder.h"

namespace {

class ColumnSinks : public ::testing::Test {
protected:
    void SetUp() override {
        // Two messages share a signal name and a unit; Gear has value descriptions.
        ASSERT_TRUE(dbc::loadDbcText(database,
                                     "BO_ 256 Engine: 8 ECU\n"
                                     " SG_ Speed : 0|16@1+ (0.5,0) [0|100] \"km/h\" X\n"
                                     " SG_ Gear : 16|8@1+ (1,0) [0|8] \"\" X\n"
                                     "BO_ 512 Wheel: 8 ECU\n"
                                     " SG_ Speed : 0|8@1- (1,0) [0|100] \"km/h\" X\n"
                                     "VAL_ 256 Gear 1 \"First\" ;\n",
                                     dir / "log"));
        options.timeStamps = settings::TimeStamps::kTimeOfDay;  // as the readers ask
    }

    // Walks a capture built by `b` into the sink.
    run::FileOutcome walk(const dtgen::CaptureBuilder& b, tables::RowSink& sink,
                          const decode::Decoding& decoding) {
        testing_support::LoadedCapture capture(b.build());
        EXPECT_EQ(capture.loadResult(), 0);
        run::Converter converter(decoding, options);
        return run::readSource(capture.source(), converter, sink, {});
    }

    static std::vector<double> elapsed(std::vector<uint64_t> microseconds) {
        std::vector<double> seconds;
        for (uint64_t count : microseconds) seconds.push_back(static_cast<double>(count) / 1e6);
        return seconds;
    }

    static std::vector<std::string_view> texts(const columns::CategoryColumn& column) {
        std::vector<std::string_view> out;
        for (int32_t code : column.codes)
            out.push_back(code < 0 ? "-" : column.categories[size_t(code)]);
        return out;
    }

    testing_support::ScratchDir dir{"column-sinks"};
    dbc::CanDatabase database;
    tables::ConversionOptions options;
};

TEST_F(ColumnSinks, LongRowsKeepTheDecodedNumbersAndCodeEachTextOnce) {
    dtgen::CaptureBuilder b(27);
    b.timeStampMode(5);  // counts of 10 us
    b.frame({.channel = 0, .id = 0x100, .data = {0x03, 0x00, 0x01}, .time = 7});
    b.frame({.channel = 1, .id = 0x200, .data = {0xFF}, .time = 9});
    b.frame({.channel = 1, .id = 0x100, .data = {0x00, 0x00, 0x02}, .time = 12});
    b.frame({.channel = 0, .id = 0x300, .data = {0x01}, .time = 13});  // unknown
    const decode::Decoding decoding = decode::Decoding::of(database);
    columns::LongColumnSink sink(decoding);
    EXPECT_TRUE(walk(b, sink, decoding).converted());

    const columns::LongColumns& columns = sink.columns();
    ASSERT_EQ(columns.rows(), 5u);
    EXPECT_EQ(sink.linesWritten(), 5u);
    EXPECT_EQ(sink.timeBase().scheme, tables::TimeScheme::kElapsed);
    EXPECT_EQ(columns.time.elapsed, elapsed({70, 70, 90, 120, 120}));
    EXPECT_EQ(columns.time.instant, std::vector<int64_t>(5, columns::kNoInstant));
    EXPECT_EQ(columns.channel, (std::vector<uint8_t>{1, 1, 2, 2, 2}));
    EXPECT_EQ(columns.id, (std::vector<uint32_t>{0x100, 0x100, 0x200, 0x100, 0x100}));
    EXPECT_EQ(columns.value, (std::vector<double>{1.5, 1.0, -1.0, 0.0, 2.0}));
    EXPECT_EQ(texts(columns.message),
              (std::vector<std::string_view>{"Engine", "Engine", "Wheel", "Engine", "Engine"}));
    EXPECT_EQ(texts(columns.signal),
              (std::vector<std::string_view>{"Speed", "Gear", "Speed", "Speed", "Gear"}));
    EXPECT_EQ(columns.signal.categories.size(), 2u);
    EXPECT_EQ(texts(columns.unit), (std::vector<std::string_view>{"km/h", "", "km/h", "km/h", ""}));
    EXPECT_EQ(texts(columns.description),
              (std::vector<std::string_view>{"-", "First", "-", "-", "<undefined>"}));
}

TEST_F(ColumnSinks, ADatabasePerChannelNumbersItsSignalsApart) {
    dbc::CanDatabase second;
    ASSERT_TRUE(dbc::loadDbcText(
        second, "BO_ 256 Body: 8 X\n SG_ Door : 0|8@1+ (1,0) [0|1] \"\" X\n", dir / "log2"));
    decode::Decoding decoding;
    decoding.own.push_back({0, {&database}});
    decoding.own.push_back({1, {&second}});
    dtgen::CaptureBuilder b(29);
    b.startTime(1700000000, 5000);
    b.frame({.channel = 1, .id = 0x100, .data = {4}, .time = 1});
    b.frame({.channel = 0, .id = 0x100, .data = {2, 0, 1}, .time = 2});
    columns::LongColumnSink sink(decoding);
    sink.expectFrames(2);
    walk(b, sink, decoding);
    EXPECT_EQ(
        sink.columns().time.instant,
        (std::vector<int64_t>{1700000000000006000, 1700000000000007000, 1700000000000007000}));
    EXPECT_EQ(texts(sink.columns().message),
              (std::vector<std::string_view>{"Body", "Engine", "Engine"}));
    EXPECT_EQ(texts(sink.columns().signal),
              (std::vector<std::string_view>{"Door", "Speed", "Gear"}));
    EXPECT_EQ(sink.columns().value, (std::vector<double>{4.0, 1.0, 1.0}));
}

TEST_F(ColumnSinks, WideRowsLeaveEmptyCellsNotANumberAndHoldRepeatsThem) {
    dtgen::CaptureBuilder b(29);
    b.frame({.channel = 0, .id = 0x100, .data = {2, 0, 1}, .time = 10});
    b.frame({.channel = 0, .id = 0x200, .data = {5}, .time = 20});
    const decode::Decoding decoding = decode::Decoding::of(database);
    for (const bool hold : {false, true}) {
        options.layout = tables::TableLayout::kWide;
        options.hold = hold;
        columns::WideColumnSink sink(decoding, options);
        walk(b, sink, decoding);
        const columns::WideValues& values = sink.values();
        ASSERT_EQ(sink.columnNames().size(), 3u);
        EXPECT_EQ(sink.columnNames()[2].name, "Wheel.Speed");
        ASSERT_EQ(values.rows(), 2u);
        EXPECT_EQ(values.time.elapsed, elapsed({10, 20}));
        EXPECT_EQ(values.cells[0], 1.0);
        EXPECT_TRUE(std::isnan(values.cells[2]));
        EXPECT_EQ(values.cells[5], 5.0);
        EXPECT_EQ(std::isnan(values.cells[3]), !hold) << hold;
    }
    // Resampled rows come when the file ends, up to the first one at or after the last frame,
    // which holds its value.
    options.hold = false;
    options.resampleMicroseconds = 4;
    columns::WideColumnSink sink(decoding, options);
    walk(b, sink, decoding);
    EXPECT_EQ(sink.values().time.elapsed, elapsed({10, 14, 18, 22}));
    EXPECT_EQ(sink.values().cells[3 * 3 + 2], 5.0);
}

}  // namespace
