#include "tables/wide_table.h"

#include <algorithm>

namespace tables {

WideColumns::WideColumns(const decode::Decoding& decoding) {
    if (!decoding.perChannel()) {
        everyDecoding_ = decoding.every;
        addDatabase(every_, decoding.every, "");
        return;
    }
    byChannel_.resize(decoding.own.size());
    for (size_t i = 0; i < decoding.own.size(); ++i) {
        const auto& [channel, setup] = decoding.own[i];
        channelOf_.push_back(channel);
        addDatabase(byChannel_[i], setup, "CH" + std::to_string(channel + 1) + ".");
    }
}

void WideColumns::plan(const MessageChannels& seen, size_t maxColumns) {
    if (!follows()) return;
    columns_.clear();
    every_ = DatabaseColumns{};
    addDatabase(every_, everyDecoding_, "", &seen, maxColumns);
}

void WideColumns::addDatabase(DatabaseColumns& target, const decode::ChannelDecoding& channel,
                              std::string_view prefix, const MessageChannels* seen,
                              size_t maxColumns) {
    target.database = channel.database;
    if (channel.database == nullptr) return;
    const std::vector<dbc::DbcMessage>& messages = channel.database->messages;
    if (seen != nullptr) target.split.resize(messages.size());
    // The later messages' columns, for the room a split may take.
    size_t keptAfter = 0;
    std::vector<int32_t> keptOf(messages.size(), 0);
    for (size_t m = 0; m < messages.size(); ++m) {
        const dbc::DbcMessage& message = messages[m];
        const bool messageKept =
            channel.selection == nullptr || channel.selection->messageSelected(message);
        for (const dbc::DbcSignal& signal : message.signals) {
            const bool kept = messageKept && (channel.selection == nullptr ||
                                              channel.selection->signalSelected(message, signal));
            if (kept) ++keptOf[m];
        }
        keptAfter += static_cast<size_t>(keptOf[m]);
    }
    for (size_t m = 0; m < messages.size(); ++m) {
        const dbc::DbcMessage& message = messages[m];
        keptAfter -= static_cast<size_t>(keptOf[m]);
        target.signalBase.push_back(target.columnOf.size());
        target.messageFirst.push_back(static_cast<int32_t>(columns_.size()));
        const std::span<const int32_t> channels =
            seen != nullptr ? seen->of(m) : std::span<const int32_t>{};
        const auto width = static_cast<size_t>(keptOf[m]);
        const bool split = channels.size() > 1 && width > 0 &&
                           columns_.size() + width * channels.size() + keptAfter <= maxColumns;
        const bool messageKept =
            channel.selection == nullptr || channel.selection->messageSelected(message);
        int32_t place = 0;
        for (const dbc::DbcSignal& signal : message.signals) {
            const bool kept = messageKept && (channel.selection == nullptr ||
                                              channel.selection->signalSelected(message, signal));
            if (!kept) {
                target.columnOf.push_back(-1);
                continue;
            }
            target.columnOf.push_back(split ? place++ : static_cast<int32_t>(columns_.size()));
            if (split) continue;
            WideColumn column;
            column.message = &message;
            column.signal = &signal;
            column.name = std::string(prefix) + message.name.str() + "." + signal.name.str();
            column.unit = signal.unit;
            columns_.push_back(std::move(column));
        }
        if (split) {
            Split& blocks = target.split[m];
            blocks.width = static_cast<int32_t>(width);
            for (const int32_t number : channels) {
                blocks.blocks.emplace_back(number, static_cast<int32_t>(columns_.size()));
                const std::string name = "CH" + std::to_string(number + 1) + "." +
                                         std::string(prefix) + message.name.str() + ".";
                for (const dbc::DbcSignal& signal : message.signals) {
                    const size_t ordinal = target.signalBase[m] +
                                           static_cast<size_t>(&signal - message.signals.data());
                    if (target.columnOf[ordinal] < 0) continue;
                    columns_.push_back(
                        {&message, &signal, name + signal.name.str(), std::string(signal.unit)});
                }
            }
        }
        target.messageEnd.push_back(static_cast<int32_t>(columns_.size()));
    }
}

int32_t WideColumns::blockOf(const Split& split, int channel) {
    for (const auto& [number, first] : split.blocks) {
        if (number == channel) return first;
    }
    return -1;
}

int32_t WideColumns::columnOf(int channel, const dbc::DbcMessage& message,
                              const dbc::DbcSignal& signal) const {
    const DatabaseColumns& target = of(channel);
    if (target.database == nullptr) return -1;
    const auto messageIndex = static_cast<size_t>(&message - target.database->messages.data());
    const int32_t column = target.columnOf[target.signalBase[messageIndex] +
                                           static_cast<size_t>(&signal - message.signals.data())];
    if (target.split.empty() || target.split[messageIndex].blocks.empty() || column < 0) {
        return column;
    }
    const int32_t first = blockOf(target.split[messageIndex], channel);
    return first < 0 ? -1 : first + column;
}

std::pair<int32_t, int32_t> WideColumns::rangeOf(int channel,
                                                 const dbc::DbcMessage& message) const {
    const DatabaseColumns& target = of(channel);
    if (target.database == nullptr) return {0, 0};
    const auto messageIndex = static_cast<size_t>(&message - target.database->messages.data());
    if (!target.split.empty() && !target.split[messageIndex].blocks.empty()) {
        const Split& split = target.split[messageIndex];
        const int32_t first = blockOf(split, channel);
        if (first < 0) return {0, 0};
        return {first, first + split.width};
    }
    return {target.messageFirst[messageIndex], target.messageEnd[messageIndex]};
}

WideRows::WideRows(const WideColumns& columns, const WideOptions& options)
    : columns_(columns), options_(options), cells_(columns.columns().size()) {}

void WideRows::begin() {
    cells_.assign(columns_.columns().size(), WideCell{});
    started_ = false;
    gridEnded_ = false;
    nextRow_ = 0;
    latest_ = 0;
    previous_ = 0;
    counts_ = ResampleCounts{};
}

void WideRows::frame(const DecodedFrame& decoded, WideRowWriter& writer) {
    const int channel = decoded.frame.channel;
    const auto [first, end] = columns_.rangeOf(channel, decoded.message);
    if (first == end) return;
    if (options_.resampleMicroseconds != 0) {
        placeOnGrid(decoded.microseconds, writer);
    } else if (!options_.hold) {
        for (int32_t i = first; i < end; ++i) cells_[static_cast<size_t>(i)].present = false;
    }
    bool any = false;
    for (const decode::SignalValue& value : decoded.values) {
        const int32_t column = columns_.columnOf(channel, decoded.message, *value.signal);
        if (column < 0) continue;
        WideCell& cell = cells_[static_cast<size_t>(column)];
        cell.present = true;
        cell.value = value.value;
        cell.enumText = value.enumText;
        cell.stamp = ++stamps_;
        any = true;
    }
    if (options_.resampleMicroseconds != 0 || !any) return;
    if (options_.hold) {
        writer.row(decoded.microseconds, cells_, 0, static_cast<int32_t>(cells_.size()));
    } else {
        writer.row(decoded.microseconds, cells_, first, end);
    }
}

void WideRows::finish(WideRowWriter& writer) {
    // The last frame's values get their row even when it falls between two periods.
    if (options_.resampleMicroseconds != 0 && started_ && !gridEnded_) nextGridRow(writer);
}

// The rows before a frame, with the values up to the frame before. A frame earlier than the
// latest one writes no row: its values show in the next row, after the latest time.
void WideRows::placeOnGrid(uint64_t microseconds, WideRowWriter& writer) {
    if (!started_) {
        started_ = true;
        nextRow_ = latest_ = previous_ = microseconds;
        return;
    }
    if (microseconds < previous_ && counts_.timeBackwards++ == 0) {
        counts_.backwardsFrom = previous_;
        counts_.backwardsTo = microseconds;
    }
    previous_ = microseconds;
    if (microseconds <= latest_) return;
    rowsBefore(microseconds, writer);
    latest_ = microseconds;
}

void WideRows::rowsBefore(uint64_t microseconds, WideRowWriter& writer) {
    const uint64_t period = options_.resampleMicroseconds;
    if (gridEnded_ || microseconds <= nextRow_) return;
    const uint64_t due = (microseconds - nextRow_) / period + 1;
    if (due > kMaxRowsPerGap) {
        // The row at or after the frame before the gap shows its values; the grid goes on from
        // its last point at or before this frame.
        nextGridRow(writer);
        const uint64_t resume = nextRow_ + (microseconds - nextRow_) / period * period;
        if (counts_.gaps++ == 0) {
            counts_.gapFrom = latest_;
            counts_.gapTo = microseconds;
        }
        counts_.rowsSkipped += (resume - nextRow_) / period;
        nextRow_ = resume;
    }
    while (!gridEnded_ && nextRow_ < microseconds) nextGridRow(writer);
}

void WideRows::nextGridRow(WideRowWriter& writer) {
    writer.row(nextRow_, cells_, 0, static_cast<int32_t>(cells_.size()));
    const uint64_t period = options_.resampleMicroseconds;
    if (nextRow_ > UINT64_MAX - period) {
        gridEnded_ = true;
    } else {
        nextRow_ += period;
    }
}

}  // namespace tables
