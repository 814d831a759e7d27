// The long CSV table: a header, then one line per signal value with the columns in force.
#pragma once

#include <string>

#include "csv/csv_quoting.h"
#include "csv/csv_time_columns.h"
#include "csv/line_writer.h"
#include "csv/piece_table.h"
#include "decode/decoding_setup.h"
#include "tables/row_sink.h"
#include "tables/table_options.h"

namespace csv {

class CsvLongSink final : public tables::FileSink {
public:
    // The columns, delimiter, character code and line end of every file until the next call.
    // With the database, texts are looked at only when one of its texts needs quotes at all.
    void configure(const tables::ConversionOptions& options,
                   const decode::Decoding* decoding = nullptr);

    int32_t open(const std::filesystem::path& output) override;
    bool writesParts() const override { return true; }
    int32_t openPart(output::BlockHandOff& target) override;
    void writePartBlock(const char* bytes, size_t count) override {
        writer_.writeBlock(bytes, count);
    }
    void begin(const tables::TimeBase& time) override;
    void write(const tables::DecodedFrame& frame) override;
    int32_t result() const override { return writer_.result(); }
    void fail(int32_t code) override { writer_.setError(code); }
    int32_t close() override { return writer_.closeOutput(); }
    uint64_t linesWritten() const override { return lines_; }

private:
    void writeHeaderLine();
    void buildFrameColumns(const tables::DecodedFrame& decoded);
    template <bool kQuoting>
    void writeLines(std::span<const decode::SignalValue> values);
    // The lines of the frame, each written in one go from pieces built ahead; false when the
    // frame needs the column by column way (a line that could be cut, generated texts that
    // could need quotes).
    bool writeLinesFromPieces(std::span<const decode::SignalValue> values);

    // The pieces of a signal's name ([delimiter] name delimiter) and unit (delimiter unit), and
    // of a value description (delimiter text): the texts as a line shows them, quoted where the
    // rule wants, made once and kept in pieceStore_ with room for whole-block copies past each.
    // Remembered by the texts' addresses, which stay in place while a file is written.
    const PieceTable::Pieces& signalPieces(const decode::SignalValue& value) {
        const PieceTable::Pieces* found =
            signalPieces_.find(PieceTable::Key(value.signalName, value.unit));
        return found != nullptr ? *found : addSignalPieces(value);
    }
    PieceTable::Span descriptionPiece(std::string_view text) {
        if (text.empty()) return emptyDescription_;
        const PieceTable::Pieces* found = descriptionPieces_.find(PieceTable::Key(text));
        return found != nullptr ? found->first : addDescriptionPiece(text);
    }
    const PieceTable::Pieces& addSignalPieces(const decode::SignalValue& value);
    PieceTable::Span addDescriptionPiece(std::string_view text);
    PieceTable::Span addPiece(std::string_view before, std::string_view text,
                              std::string_view after, bool quote = true);
    PieceTable::Span identityPiece(const tables::DecodedFrame& decoded, bool afterTime);
    void forgetPieces();
    // A text as the quoting rule wants it: the text itself, or its quoted form in quoted_.
    // Texts of the database stay in place for the whole run; the program's own texts (times,
    // numbers) need a look only when the delimiter could stand in them.
    std::string_view databaseField(std::string_view text) {
        return checksDatabaseTexts_ && quoting_.needsQuotesRemembered(text) ? quoted(text) : text;
    }
    std::string_view generatedField(std::string_view text) {
        return quoting_.checksGeneratedTexts() && quoting_.needsQuotes(text) ? quoted(text) : text;
    }
    std::string_view quoted(std::string_view text) {
        quoted_.clear();
        CsvQuoting::appendQuoted(quoted_, text);
        return quoted_;
    }

    LineWriter writer_;
    bool headed_ = true;  // a whole file, or the first bytes of one: the header line first
    settings::Columns columns_;
    CsvQuoting quoting_;
    bool checksDatabaseTexts_ = true;
    std::string quoted_;
    TimeColumns time_;
    std::string scratch_;
    // The columns every line of the current frame repeats: the time, channel, identifier and
    // message name in front, the raw data at the end. Built once per frame.
    std::string frameHead_;
    bool frameHeadPending_ = false;
    uint64_t lines_ = 0;
    std::string rawData_;
    static constexpr size_t kPieceStoreLimit = 1u << 22;  // bytes, then it starts afresh
    PieceTable signalPieces_;
    PieceTable descriptionPieces_;
    PieceTable identityPieces_;
    PieceTable::Span emptyDescription_;
    std::string pieceStore_;
    size_t frameHeadLength_ = 0;  // frameHead_ is padded past it for whole-block copies
    std::string rawPiece_;        // delimiter and raw data, padded likewise
    size_t rawPieceLength_ = 0;
};

}  // namespace csv
