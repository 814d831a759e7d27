// Decoded rows kept in memory as typed columns instead of text, for readers that hand them on
// as arrays (the Python module builds its data frames from them without formatting a number).
// Texts become category codes: an index into the distinct texts in the order first met.
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "columns/row_time.h"
#include "decode/decoding_setup.h"
#include "tables/row_sink.h"
#include "tables/table_options.h"
#include "tables/wide_table.h"

namespace columns {

// A text column as codes into its distinct texts. Code -1 stands for no text.
struct CategoryColumn {
    std::vector<int32_t> codes;
    std::vector<std::string_view> categories;  // point into the databases
};

// Hands out the codes of texts, each distinct text once.
class CategoryCodes {
public:
    explicit CategoryCodes(CategoryColumn& column) : column_(column) {}
    int32_t codeOf(std::string_view text);
    // Forgets every text and its code, emptying the column (its room stays).
    void clear() {
        byText_.clear();
        column_.codes.clear();
        column_.categories.clear();
    }

private:
    CategoryColumn& column_;
    std::unordered_map<std::string_view, int32_t> byText_;
};

// Each signal and message of a run's databases numbered from 0, so that per-signal facts can be
// kept in plain vectors. With one database for every channel the numbers are shared.
class SignalNumbering {
public:
    explicit SignalNumbering(const decode::Decoding& decoding);

    size_t signalCount() const { return signalCount_; }
    size_t messageCount() const { return messageCount_; }
    size_t signalNumber(int channel, const dbc::DbcMessage& message,
                        const dbc::DbcSignal& signal) const;
    size_t messageNumber(int channel, const dbc::DbcMessage& message) const;

private:
    struct Database {
        const dbc::CanDatabase* database = nullptr;
        size_t firstMessage = 0;
        std::vector<size_t> signalBase;  // per message: the number of its first signal
    };
    const Database& of(int channel) const {
        for (size_t i = 0; i < channelOf_.size(); ++i) {
            if (channelOf_[i] == channel) return databases_[i + 1];
        }
        return databases_[0];
    }
    void number(Database& target, const dbc::CanDatabase* database);

    std::vector<Database> databases_;  // every channel's, then each channel's own
    std::vector<int32_t> channelOf_;   // the channel of databases_[i + 1]
    size_t signalCount_ = 0;
    size_t messageCount_ = 0;
};

// The long table: one row per signal value.
struct LongColumns {
    RowTimeColumns time;
    // The channel numbers (1 CH1): a byte each for a capture's two channels, or in
    // `wideChannel`, four bytes each, for a log's channels up to CH65536.
    std::vector<uint8_t> channel;
    std::vector<uint32_t> wideChannel;
    bool wideChannels = false;
    std::vector<uint32_t> id;  // the frame's own identifier, as the CAN_ID column
    std::vector<uint8_t> extended;
    CategoryColumn message;
    CategoryColumn signal;
    std::vector<double> value;  // the very number the CSV formats
    CategoryColumn unit;
    CategoryColumn description;  // -1 where the CSV's Enum column is empty

    size_t rows() const { return value.size(); }
};

// What a column sink keeps of a file besides its rows.
class ColumnSinkBase : public tables::RowSink {
public:
    int32_t result() const override { return result_; }
    void fail(int32_t code) override {
        if (result_ == 0) result_ = code;
    }
    int32_t close() override { return result_; }
    const tables::TimeBase& timeBase() const { return time_; }
    // Makes room for the rows of about `frames` frames, so that a large capture's columns are
    // not copied as they grow.
    virtual void expectFrames(uint64_t frames) = 0;

protected:
    int32_t result_ = 0;
    tables::TimeBase time_;
};

class LongColumnSink final : public ColumnSinkBase {
public:
    explicit LongColumnSink(const decode::Decoding& decoding);

    void begin(const tables::TimeBase& time) override {
        result_ = 0;
        time_ = time;
    }
    void write(const tables::DecodedFrame& frame) override;
    uint64_t linesWritten() const override { return columns_.rows(); }
    void expectFrames(uint64_t frames) override;
    // Keeps the channels in `wideChannel`, for a log's; asked before the first row.
    void keepAnyChannel() { columns_.wideChannels = true; }

    LongColumns& columns() { return columns_; }
    // Adds the rows another sink of the same decoding gathered after this one's (a later part of
    // the same file), its codes turned into this sink's: texts new to this sink get codes in the
    // order the other met them, which is the order one sink of both parts would have met them.
    void append(LongColumnSink& later);
    // Empties the rows and forgets the codes, keeping the room the columns took: a sink used for
    // part after part does not fault in new memory for each.
    void clearRows();
    // The texts of each category column so far, in the order of their codes.
    struct Categories {
        std::vector<std::string_view> message, signal, unit, description;
    };
    Categories categories() const;
    // Gives the texts of `known` (a file's so far) their codes there, before the first row: the
    // codes of a later part of the file then need no turning when it is appended, unless it
    // meets texts new to the file.
    void startCodes(const Categories& known);

private:
    // Codes per signal number, worked out the first time a signal is met (-2 until then).
    struct SignalCodes {
        int32_t signal = -2;
        int32_t unit = -2;
    };

    SignalNumbering numbering_;
    LongColumns columns_;
    CategoryCodes messageCodes_{columns_.message};
    CategoryCodes signalCodes_{columns_.signal};
    CategoryCodes unitCodes_{columns_.unit};
    CategoryCodes descriptionCodes_{columns_.description};
    std::vector<int32_t> messageCode_;
    std::vector<SignalCodes> signalCode_;
    std::unordered_map<const char*, int32_t> descriptionCode_;  // by the text's address
};

// The wide table: a row per frame or per period, a column per selected signal.
struct WideValues {
    RowTimeColumns time;        // per row
    std::vector<double> cells;  // row after row; NaN for an empty cell
    size_t columnCount = 0;

    size_t rows() const { return time.elapsed.size(); }
};

class WideColumnSink final : public ColumnSinkBase, private tables::WideRowWriter {
public:
    WideColumnSink(const decode::Decoding& decoding, const tables::ConversionOptions& options);

    void begin(const tables::TimeBase& time) override;
    void write(const tables::DecodedFrame& frame) override;
    int32_t close() override;
    uint64_t linesWritten() const override { return values_.rows(); }
    tables::ResampleCounts resampleCounts() const override { return rows_.resampleCounts(); }
    void expectFrames(uint64_t frames) override;

    const std::vector<tables::WideColumn>& columnNames() const { return columns_.columns(); }
    WideValues& values() { return values_; }

private:
    void row(uint64_t microseconds, std::span<const tables::WideCell> cells, int32_t first,
             int32_t end) override;

    tables::WideColumns columns_;
    tables::WideRows rows_;
    WideValues values_;
    bool begun_ = false;
};

}  // namespace columns
