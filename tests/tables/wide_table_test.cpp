#include "tables/wide_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dbc/loader.h"
#include "tests/support/test_paths.h"

namespace {

struct Row {
    uint64_t time;
    std::vector<std::string> cells;  // "" empty, else the value
};

class Rows : public tables::WideRowWriter {
public:
    std::vector<Row> rows;
    void row(uint64_t microseconds, std::span<const tables::WideCell> cells, int32_t first,
             int32_t end) override {
        Row row{microseconds, {}};
        for (int32_t i = 0; i < static_cast<int32_t>(cells.size()); ++i) {
            const bool inRange = i >= first && i < end;
            row.cells.push_back(
                inRange && cells[static_cast<size_t>(i)].present
                    ? std::to_string(static_cast<int>(cells[static_cast<size_t>(i)].value))
                    : "");
        }
        rows.push_back(row);
    }
};

class WideTable : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dbc::loadDbcText(database,
                                     "BO_ 1 A: 8 X\n SG_ a1 : 0|8@1+ (1,0) [0|0] \"\" X\n"
                                     " SG_ a2 : 8|8@1+ (1,0) [0|0] \"\" X\n"
                                     "BO_ 2 B: 8 X\n SG_ b1 : 0|8@1+ (1,0) [0|0] \"\" X\n",
                                     dir / "log"));
    }
    // A frame of message `index` with values for its first `count` signals.
    void feed(tables::WideRows& rows, Rows& out, size_t index, uint64_t time,
              std::vector<double> values) {
        const dbc::DbcMessage& message = database.messages[index];
        std::vector<decode::SignalValue> decoded;
        for (size_t i = 0; i < values.size(); ++i) {
            decoded.push_back({values[i], {}, {}, {}, &message.signals[i]});
        }
        can::Frame frame;
        rows.frame({frame, message, time, decoded}, out);
    }

    testing_support::ScratchDir dir{"wide"};
    dbc::CanDatabase database;
};

TEST_F(WideTable, ARowPerFrameHoldAndResample) {
    const tables::WideColumns columns(decode::Decoding::of(database));
    ASSERT_EQ(columns.columns().size(), 3u);
    EXPECT_EQ(columns.columns()[2].name, "B.b1");

    tables::WideRows perFrame(columns, {});
    Rows out;
    perFrame.begin();
    feed(perFrame, out, 0, 10, {1, 2});
    feed(perFrame, out, 1, 20, {3});
    feed(perFrame, out, 0, 30, {4, 5});
    perFrame.finish(out);
    ASSERT_EQ(out.rows.size(), 3u);
    EXPECT_EQ(out.rows[1].cells, (std::vector<std::string>{"", "", "3"}));
    EXPECT_EQ(out.rows[2].cells, (std::vector<std::string>{"4", "5", ""}));

    tables::WideRows held(columns, {.hold = true, .resampleMicroseconds = 0});
    out.rows.clear();
    held.begin();
    feed(held, out, 0, 10, {1, 2});
    feed(held, out, 1, 20, {3});
    EXPECT_EQ(out.rows[1].cells, (std::vector<std::string>{"1", "2", "3"}));

    // Rows every 10 us from the first frame, each with the last values at or before it, up to
    // the last frame; before a signal's first value its cell is empty.
    tables::WideRows resampled(columns, {.hold = false, .resampleMicroseconds = 10});
    out.rows.clear();
    resampled.begin();
    feed(resampled, out, 0, 100, {1, 2});
    feed(resampled, out, 1, 125, {3});
    feed(resampled, out, 0, 130, {4, 5});
    resampled.finish(out);
    ASSERT_EQ(out.rows.size(), 4u);
    EXPECT_EQ(out.rows[0].time, 100u);
    EXPECT_EQ(out.rows[0].cells, (std::vector<std::string>{"1", "2", ""}));
    EXPECT_EQ(out.rows[2].cells, (std::vector<std::string>{"1", "2", ""}));  // 120
    EXPECT_EQ(out.rows[3].time, 130u);
    EXPECT_EQ(out.rows[3].cells, (std::vector<std::string>{"4", "5", "3"}));
}

TEST_F(WideTable, ABrokenTimeCountGivesNoEndlessRows) {
    const tables::WideColumns columns(decode::Decoding::of(database));
    tables::WideRows resampled(columns, {.hold = false, .resampleMicroseconds = 1});
    Rows out;
    resampled.begin();
    feed(resampled, out, 0, 0, {1});
    feed(resampled, out, 0, 0xFFFFFFFFFFFFull, {2});
    resampled.finish(out);
    EXPECT_LE(out.rows.size(), 3u);
    EXPECT_EQ(out.rows.back().cells[0], "2");
}

}  // namespace
