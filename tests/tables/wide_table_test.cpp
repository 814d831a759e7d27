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
              std::vector<double> values, int32_t channel = 0) {
        const dbc::DbcMessage& message = database.messages[index];
        std::vector<decode::SignalValue> decoded;
        for (size_t i = 0; i < values.size(); ++i) {
            decoded.push_back({values[i], {}, {}, {}, &message.signals[i]});
        }
        can::Frame frame;
        frame.channel = channel;
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

// The last frame may fall between two periods: the rows go on to the first one at or after
// it, so that its values appear (on the grid, the row is the last frame's own time).
TEST_F(WideTable, TheLastFrameBetweenTwoPeriodsGetsTheRowAfterIt) {
    const tables::WideColumns columns(decode::Decoding::of(database));
    tables::WideRows resampled(columns, {.hold = false, .resampleMicroseconds = 10});
    Rows out;
    resampled.begin();
    feed(resampled, out, 0, 100, {1, 2});
    feed(resampled, out, 1, 125, {3});
    resampled.finish(out);
    ASSERT_EQ(out.rows.size(), 4u);
    EXPECT_EQ(out.rows[2].time, 120u);
    EXPECT_EQ(out.rows[2].cells, (std::vector<std::string>{"1", "2", ""}));
    EXPECT_EQ(out.rows[3].time, 130u);
    EXPECT_EQ(out.rows[3].cells, (std::vector<std::string>{"1", "2", "3"}));

    // One frame alone gives one row; a new file starts anew.
    out.rows.clear();
    resampled.begin();
    feed(resampled, out, 1, 7, {9});
    resampled.finish(out);
    ASSERT_EQ(out.rows.size(), 1u);
    EXPECT_EQ(out.rows[0].time, 7u);
    EXPECT_EQ(out.rows[0].cells, (std::vector<std::string>{"", "", "9"}));
    EXPECT_EQ(resampled.resampleCounts().gaps, 0u);
}

// A gap of more than a million periods gives the row at or after the frame before it, then the
// rows from the last period at or before the frame after it; the rows left out are counted.
TEST_F(WideTable, AGapKeepsTheValuesOnEitherSideAndCountsTheRowsLeftOut) {
    const tables::WideColumns columns(decode::Decoding::of(database));
    tables::WideRows resampled(columns, {.hold = false, .resampleMicroseconds = 1000});
    Rows out;
    resampled.begin();
    feed(resampled, out, 0, 0, {1});
    feed(resampled, out, 1, 1500, {2});
    feed(resampled, out, 0, 1200000000, {3});
    feed(resampled, out, 1, 1200000500, {4});
    resampled.finish(out);
    const std::vector<uint64_t> times = {0, 1000, 2000, 1200000000, 1200001000};
    ASSERT_EQ(out.rows.size(), times.size());
    for (size_t i = 0; i < times.size(); ++i) EXPECT_EQ(out.rows[i].time, times[i]) << i;
    EXPECT_EQ(out.rows[1].cells, (std::vector<std::string>{"1", "", ""}));
    EXPECT_EQ(out.rows[2].cells, (std::vector<std::string>{"1", "", "2"}));
    EXPECT_EQ(out.rows[3].cells, (std::vector<std::string>{"3", "", "2"}));
    EXPECT_EQ(out.rows[4].cells, (std::vector<std::string>{"3", "", "4"}));
    tables::ResampleCounts counts = resampled.resampleCounts();
    EXPECT_EQ(counts.gaps, 1u);
    EXPECT_EQ(counts.rowsSkipped, 1199997u);  // 3 ms to 1199.999 s
    EXPECT_EQ(counts.gapFrom, 1500u);
    EXPECT_EQ(counts.gapTo, 1200000000u);

    // Off the grid after the gap: the last period before the frame holds the old values. Two
    // gaps add up; the first is the one named.
    out.rows.clear();
    resampled.begin();
    feed(resampled, out, 0, 5, {1});
    feed(resampled, out, 0, 2000000700, {2});
    feed(resampled, out, 0, 4000000000, {3});
    resampled.finish(out);
    const std::vector<uint64_t> gapped = {5, 2000000005, 2000001005, 3999999005, 4000000005};
    const std::vector<std::string> firstCells = {"1", "1", "2", "2", "3"};
    ASSERT_EQ(out.rows.size(), gapped.size());
    for (size_t i = 0; i < gapped.size(); ++i) {
        EXPECT_EQ(out.rows[i].time, gapped[i]) << i;
        EXPECT_EQ(out.rows[i].cells[0], firstCells[i]) << i;
    }
    counts = resampled.resampleCounts();
    EXPECT_EQ(counts.gaps, 2u);
    EXPECT_EQ(counts.rowsSkipped, 1999999u + 1999997u);
    EXPECT_EQ(counts.gapFrom, 5u);
    EXPECT_EQ(counts.gapTo, 2000000700u);
}

// Only the rows of the grid: the time of each and the value of the first cell.
class GridRows : public tables::WideRowWriter {
public:
    std::vector<std::pair<uint64_t, double>> rows;
    void row(uint64_t microseconds, std::span<const tables::WideCell> cells, int32_t,
             int32_t) override {
        rows.emplace_back(microseconds, cells[0].present ? cells[0].value : -1.0);
    }
};

// A million periods are still written out; one more is a gap.
TEST_F(WideTable, AGapIsMoreThanAMillionPeriods) {
    const tables::WideColumns columns(decode::Decoding::of(database));
    tables::WideRows resampled(columns, {.hold = false, .resampleMicroseconds = 2});
    const dbc::DbcMessage& message = database.messages[0];
    const auto feedOne = [&](GridRows& out, uint64_t time, double value) {
        const decode::SignalValue values[] = {{value, {}, {}, {}, &message.signals[0]}};
        const can::Frame frame;
        resampled.frame({frame, message, time, values}, out);
    };
    for (const uint64_t last : {uint64_t{1999999}, uint64_t{2000000}}) {
        GridRows out;
        resampled.begin();
        feedOne(out, 0, 1);
        feedOne(out, last, 2);
        resampled.finish(out);
        const bool gap = last == 2000000;
        EXPECT_EQ(resampled.resampleCounts().gaps, gap ? 1u : 0u) << last;
        ASSERT_EQ(out.rows.size(), gap ? 2u : 1000001u) << last;
        EXPECT_EQ(out.rows.back(), (std::pair<uint64_t, double>{2000000, 2})) << last;
        EXPECT_EQ(out.rows[out.rows.size() - 2].second, 1) << last;
        EXPECT_EQ(resampled.resampleCounts().rowsSkipped, gap ? 999999u : 0u);
    }
}

// A frame earlier than the one before writes no row and is counted; its values go into the
// next row, and the rows go on from the latest time.
TEST_F(WideTable, TimeRunningBackwardsIsCountedAndTheRowsGoOnFromTheLatestTime) {
    const tables::WideColumns columns(decode::Decoding::of(database));
    tables::WideRows resampled(columns, {.hold = false, .resampleMicroseconds = 10});
    Rows out;
    resampled.begin();
    feed(resampled, out, 0, 100, {1});
    feed(resampled, out, 0, 130, {2});
    feed(resampled, out, 1, 115, {3});
    feed(resampled, out, 1, 125, {4});
    feed(resampled, out, 0, 90, {5});
    feed(resampled, out, 0, 140, {6});
    resampled.finish(out);
    const std::vector<uint64_t> times = {100, 110, 120, 130, 140};
    ASSERT_EQ(out.rows.size(), times.size());
    for (size_t i = 0; i < times.size(); ++i) EXPECT_EQ(out.rows[i].time, times[i]) << i;
    EXPECT_EQ(out.rows[2].cells, (std::vector<std::string>{"1", "", ""}));
    EXPECT_EQ(out.rows[3].cells, (std::vector<std::string>{"5", "", "4"}));
    EXPECT_EQ(out.rows[4].cells, (std::vector<std::string>{"6", "", "4"}));
    const tables::ResampleCounts counts = resampled.resampleCounts();
    EXPECT_EQ(counts.timeBackwards, 2u);
    EXPECT_EQ(counts.backwardsFrom, 130u);
    EXPECT_EQ(counts.backwardsTo, 115u);
    EXPECT_EQ(counts.gaps, 0u);

    // Without --resample nothing is counted: every frame is its own row.
    tables::WideRows perFrame(columns, {});
    out.rows.clear();
    perFrame.begin();
    feed(perFrame, out, 0, 100, {1});
    feed(perFrame, out, 0, 50, {2});
    EXPECT_EQ(out.rows.size(), 2u);
    EXPECT_EQ(perFrame.resampleCounts().timeBackwards, 0u);
}

TEST_F(WideTable, AMessageMetOnSeveralChannelsGetsColumnsPerChannel) {
    tables::WideColumns columns(decode::Decoding::of(database));
    ASSERT_TRUE(columns.follows());
    tables::MessageChannels seen(database.messages.size());
    for (const int32_t channel : {7, 0, 7, 0}) seen.add(0, channel);
    seen.add(1, 1);
    seen.add(5, 3);  // no such message: nothing
    columns.plan(seen, 100);
    const auto names = [&] {
        std::vector<std::string> list;
        for (const tables::WideColumn& column : columns.columns()) list.push_back(column.name);
        return list;
    };
    EXPECT_EQ(names(),
              (std::vector<std::string>{"CH1.A.a1", "CH1.A.a2", "CH8.A.a1", "CH8.A.a2", "B.b1"}));
    tables::WideRows rows(columns, {});
    Rows out;
    rows.begin();
    feed(rows, out, 0, 10, {1, 2}, 7);
    feed(rows, out, 0, 20, {3, 4}, 0);
    feed(rows, out, 1, 30, {5}, 1);
    feed(rows, out, 0, 40, {6, 6}, 3);  // a channel the first walk never met: no column
    ASSERT_EQ(out.rows.size(), 3u);
    EXPECT_EQ(out.rows[0].cells, (std::vector<std::string>{"", "", "1", "2", ""}));
    EXPECT_EQ(out.rows[1].cells, (std::vector<std::string>{"3", "4", "", "", ""}));
    EXPECT_EQ(out.rows[2].cells, (std::vector<std::string>{"", "", "", "", "5"}));

    // No room for the split within the limit, or a message on more channels than are kept
    // apart: its columns stay shared, with the plain names.
    columns.plan(seen, 4);
    EXPECT_EQ(names(), (std::vector<std::string>{"A.a1", "A.a2", "B.b1"}));
    tables::MessageChannels crowded(database.messages.size());
    for (int32_t channel = 0; channel <= 256; ++channel) crowded.add(0, channel);
    EXPECT_TRUE(crowded.of(0).empty());
    columns.plan(crowded, 100000);
    EXPECT_EQ(names(), (std::vector<std::string>{"A.a1", "A.a2", "B.b1"}));

    // A database per channel names every column's channel already.
    decode::Decoding own;
    own.own.push_back({4, {&database}});
    tables::WideColumns perChannel(own);
    EXPECT_FALSE(perChannel.follows());
    perChannel.plan(seen, 100);
    EXPECT_EQ(perChannel.columns().front().name, "CH5.A.a1");
}

}  // namespace
