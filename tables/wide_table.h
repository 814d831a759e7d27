// The wide layout: a column per selected signal, in database order, and a row per decoded frame
// (each cell that frame's value, or the signal's last value with --hold), or a row per period of
// time (--resample: each cell the signal's last value at or before the row's time). The rows
// are handed to a writer, so that a CSV file, a workbook or a table in memory take the same.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "decode/decoding_setup.h"
#include "tables/message_channels.h"
#include "tables/row_sink.h"

namespace tables {

struct WideColumn {
    const dbc::DbcMessage* message = nullptr;
    const dbc::DbcSignal* signal = nullptr;
    std::string name;  // "Message.Signal", "CH1.Message.Signal" with a database per channel
    std::string unit;
};

// The columns of a run and where each decoded value goes. With one database for every channel
// the columns can follow a file's first walk (plan()): a message whose frames came on several
// channels gets its columns once per channel, in its place, channel after channel.
class WideColumns {
public:
    explicit WideColumns(const decode::Decoding& decoding);

    // The columns for a file whose messages came on the channels `seen` says, at most
    // `maxColumns` of them: a message whose split would pass that keeps its shared columns.
    // Nothing changes with a database per channel (every column names its channel already).
    void plan(const MessageChannels& seen, size_t maxColumns);
    // Whether plan() can change anything: one database serves every channel.
    bool follows() const { return byChannel_.empty() && every_.database != nullptr; }

    const std::vector<WideColumn>& columns() const { return columns_; }
    // The column of a value of a frame on `channel`, or -1.
    int32_t columnOf(int channel, const dbc::DbcMessage& message,
                     const dbc::DbcSignal& signal) const;
    // The columns of a message on `channel`, a contiguous range [first, end).
    std::pair<int32_t, int32_t> rangeOf(int channel, const dbc::DbcMessage& message) const;

private:
    // A message's columns once per channel: the first column of each channel's block, and
    // the width of a block (its kept signals).
    struct Split {
        std::vector<std::pair<int32_t, int32_t>> blocks;  // (channel, first column), ascending
        int32_t width = 0;
    };
    struct DatabaseColumns {
        const dbc::CanDatabase* database = nullptr;
        std::vector<size_t> signalBase;  // per message: its first signal's ordinal
        // Per signal ordinal: its column or -1; in a split message its place within a block.
        std::vector<int32_t> columnOf;
        std::vector<int32_t> messageFirst;  // per message: its first column
        std::vector<int32_t> messageEnd;
        std::vector<Split> split;  // per message once planned; no blocks: not split
    };
    void addDatabase(DatabaseColumns& target, const decode::ChannelDecoding& channel,
                     std::string_view prefix, const MessageChannels* seen = nullptr,
                     size_t maxColumns = 0);
    // The first column of the channel's block of a split message, or -1.
    static int32_t blockOf(const Split& split, int channel);

    const DatabaseColumns& of(int channel) const {
        for (size_t i = 0; i < channelOf_.size(); ++i) {
            if (channelOf_[i] == channel) return byChannel_[i];
        }
        return every_;
    }

    std::vector<WideColumn> columns_;
    decode::ChannelDecoding everyDecoding_;
    DatabaseColumns every_;  // of every channel without a database of its own
    std::vector<DatabaseColumns> byChannel_;
    std::vector<int32_t> channelOf_;  // the channel of each of byChannel_
};

struct WideCell {
    bool present = false;  // a value is in the cell (this row's, or a held one)
    double value = 0.0;
    std::string_view enumText;  // the value description; empty when the signal has none
    // Changes whenever the cell takes a value, so that a writer may keep the cell's text from
    // one row to the next while it stays the same.
    uint64_t stamp = 0;
};

class WideRowWriter {
public:
    virtual ~WideRowWriter() = default;
    // A row at `microseconds` (the time count of its frame, or the period's time). Only cells
    // in [first, end) can be present; the others are empty.
    virtual void row(uint64_t microseconds, std::span<const WideCell> cells, int32_t first,
                     int32_t end) = 0;
};

struct WideOptions {
    bool hold = false;
    uint64_t resampleMicroseconds = 0;  // 0: a row per frame
};

class WideRows {
public:
    WideRows(const WideColumns& columns, const WideOptions& options);

    // Starts a file.
    void begin();
    void frame(const DecodedFrame& decoded, WideRowWriter& writer);
    // Ends a file: with --resample, the rows up to the first one at or after the last frame.
    void finish(WideRowWriter& writer);
    // With --resample: the gaps left out and the frames earlier than the one before.
    const ResampleCounts& resampleCounts() const { return counts_; }

    // A time gap of more periods than this gives no rows but the first one at or after the
    // frame before it (a broken time count would otherwise write rows without end); the rows go
    // on from the last period boundary at or before the frame after it.
    static constexpr uint64_t kMaxRowsPerGap = 1000000;

private:
    void placeOnGrid(uint64_t microseconds, WideRowWriter& writer);
    void rowsBefore(uint64_t microseconds, WideRowWriter& writer);
    void nextGridRow(WideRowWriter& writer);

    const WideColumns& columns_;
    WideOptions options_;
    std::vector<WideCell> cells_;
    uint64_t stamps_ = 0;
    bool started_ = false;
    bool gridEnded_ = false;  // the next row's time would not fit in 64 bits
    uint64_t nextRow_ = 0;    // never before latest_ once started: the rows never go back
    uint64_t latest_ = 0;     // the latest frame time
    uint64_t previous_ = 0;   // the time of the frame before
    ResampleCounts counts_;
};

}  // namespace tables
