#include "csv/csv_long_sink.h"

#include "platform/platform.h"
#include "tables/text_format.h"

namespace csv {

namespace {

// Whether any text that a line can show from the database needs quotes.
bool anyTextNeedsQuotes(const dbc::CanDatabase& database, const CsvQuoting& quoting) {
    if (quoting.needsQuotes(decode::kUndefinedEnumText)) return true;
    for (const dbc::DbcMessage& message : database.messages) {
        if (quoting.needsQuotes(message.name)) return true;
        for (const dbc::DbcSignal& signal : message.signals) {
            if (quoting.needsQuotes(signal.name) || quoting.needsQuotes(signal.unit)) return true;
            for (const dbc::ValueDescription& entry : signal.valueDescriptions.entries) {
                if (quoting.needsQuotes(entry.text)) return true;
            }
        }
    }
    return false;
}

// Bytes past the end of a piece that a copy may read, and past a line's end that it may write.
constexpr size_t kCopyBlock = 32;

// Copies in whole blocks: `in` must be readable, and `out` writable, up to the next block.
[[gnu::always_inline]] inline char* copyBlocks(char* out, const char* in, size_t count) {
    std::memcpy(out, in, kCopyBlock);  // nearly every piece is this short
    for (size_t i = kCopyBlock; i < count; i += kCopyBlock) {
        std::memcpy(out + i, in + i, kCopyBlock);
    }
    return out + count;
}

void padForBlocks(std::string& text) { text.append(kCopyBlock, '\0'); }

// The value's text, from its millionths when the decoding worked them out.
[[gnu::always_inline]] inline size_t formatValue(char* out, const decode::SignalValue& value) {
    return value.millionths != decode::kNoMillionths
               ? tables::formatMillionths(out, value.millionths)
               : tables::formatValue(out, value.value);
}

}  // namespace

void CsvLongSink::configure(const tables::ConversionOptions& options,
                            const decode::Decoding* decoding) {
    writer_.configureWriter(options);
    columns_ = options.columns;
    quoting_.configure(writer_.delimiterBytes());
    checksDatabaseTexts_ = decoding == nullptr;
    if (decoding == nullptr) return;
    for (const decode::ChannelDecoding* channel : decoding->all()) {
        if (channel->database != nullptr && anyTextNeedsQuotes(*channel->database, quoting_)) {
            checksDatabaseTexts_ = true;
        }
    }
}

int32_t CsvLongSink::open(const std::filesystem::path& output) {
    headed_ = true;
    return writer_.openOutput(output);
}

int32_t CsvLongSink::openPart(output::BlockHandOff& target) {
    headed_ = false;
    return writer_.openPart(target);
}

void CsvLongSink::begin(const tables::TimeBase& time) {
    // The texts of another file may stand where this one's did.
    forgetPieces();
    time_.start(time);
    lines_ = 0;
    if (headed_) writeHeaderLine();
}

void CsvLongSink::writeHeaderLine() {
    bool pending = false;
    const auto column = [&](std::string_view name) {
        if (pending) writer_.appendDelimiter();
        writer_.appendText(name);
        pending = true;
    };
    for (std::string_view name : time_.headers()) column(name);
    if (columns_.channel) column("Ch");
    if (columns_.identifier) column("CAN_ID");
    if (columns_.message) column("Message");
    column("Signal");
    column("Value");
    if (columns_.unit) column("Unit");
    if (columns_.description) column("Enum");
    if (columns_.rawData) column("Raw_Data");
    writer_.endLine();
}

// The columns shared by all lines of the frame, joined by the same delimiter rule as a line.
void CsvLongSink::buildFrameColumns(const tables::DecodedFrame& decoded) {
    const std::string_view delimiter = writer_.delimiterBytes();
    const bool checkGenerated = quoting_.checksGeneratedTexts();
    frameHead_.clear();
    bool pending = false;
    // Texts that may need quotes are looked at one by one; the default date, time and msec
    // columns of every other conversion come as one piece.
    if (!checkGenerated &&
        time_.appendDateTimeColumns(frameHead_, decoded.microseconds, delimiter)) {
        pending = true;
    } else {
        for (const std::string& text : time_.texts(decoded.microseconds)) {
            if (pending) frameHead_.append(delimiter);
            frameHead_.append(checkGenerated ? generatedField(text) : std::string_view(text));
            pending = true;
        }
    }
    const can::Frame& frame = decoded.frame;
    if (columns_.channel || columns_.identifier || columns_.message) {
        const PieceTable::Span identity = identityPiece(decoded, pending);
        frameHead_.append(pieceStore_, identity.offset, identity.length);
        pending = true;
    }
    frameHeadPending_ = pending;
    frameHeadLength_ = frameHead_.size();
    padForBlocks(frameHead_);
    rawData_.clear();
    rawPiece_.clear();
    if (columns_.rawData) {
        scratch_.clear();
        tables::appendRawData(scratch_, frame.data, frame.dataLength);
        rawData_ = checkGenerated ? generatedField(scratch_) : std::string_view(scratch_);
        rawPiece_.append(delimiter);
        rawPiece_.append(rawData_);
    }
    rawPieceLength_ = rawPiece_.size();
    padForBlocks(rawPiece_);
}

// The channel, identifier and message columns of a frame, with the delimiter before them when
// time columns come first. The same few texts for every frame of a message.
PieceTable::Span CsvLongSink::identityPiece(const tables::DecodedFrame& decoded, bool afterTime) {
    if (pieceStore_.size() > kPieceStoreLimit) forgetPieces();
    const can::Frame& frame = decoded.frame;
    const uint64_t identity = uint64_t{frame.canId} | uint64_t{frame.isExtended} << 32 |
                              uint64_t{static_cast<uint16_t>(frame.channel)} << 33;
    const PieceTable::Key key(decoded.message.name, identity);
    if (const PieceTable::Pieces* found = identityPieces_.find(key)) return found->first;
    const std::string_view delimiter = writer_.delimiterBytes();
    const bool checkGenerated = quoting_.checksGeneratedTexts();
    std::string text;
    bool pending = afterTime;
    const auto column = [&](std::string_view field) {
        if (pending) text.append(delimiter);
        text.append(field);
        pending = true;
    };
    const auto generated = [&](std::string_view field) {
        column(checkGenerated ? generatedField(field) : field);
    };
    if (columns_.channel) {
        std::string channel;
        tables::appendChannel(channel, frame.channel);
        generated(channel);
    }
    if (columns_.identifier) {
        scratch_.clear();
        // The frame's own identifier: a J1939 match shows its sender's address.
        tables::appendHex(scratch_, frame.canId, frame.isExtended ? 7 : 3);
        generated(scratch_);
    }
    if (columns_.message) column(databaseField(decoded.message.name));
    const PieceTable::Span span = addPiece(text, {}, {}, false);
    identityPieces_.insert(key, {span, {}});
    return span;
}

void CsvLongSink::forgetPieces() {
    signalPieces_.clear();
    descriptionPieces_.clear();
    identityPieces_.clear();
    pieceStore_.clear();
    emptyDescription_ = addPiece(writer_.delimiterBytes(), {}, {});
}

PieceTable::Span CsvLongSink::addPiece(std::string_view before, std::string_view text,
                                       std::string_view after, bool quote) {
    const size_t offset = pieceStore_.size();
    pieceStore_.append(before);
    if (quote) {
        quoting_.appendField(pieceStore_, text);
    } else {
        pieceStore_.append(text);
    }
    pieceStore_.append(after);
    const size_t length = pieceStore_.size() - offset;
    padForBlocks(pieceStore_);
    return {static_cast<uint32_t>(offset), static_cast<uint32_t>(length)};
}

const PieceTable::Pieces& CsvLongSink::addSignalPieces(const decode::SignalValue& value) {
    const PieceTable::Key key(value.signalName, value.unit);
    const std::string_view delimiter = writer_.delimiterBytes();
    PieceTable::Pieces pieces;
    pieces.first =
        addPiece(frameHeadPending_ ? delimiter : std::string_view{}, value.signalName, delimiter);
    pieces.second = addPiece(delimiter, value.unit, {});
    // What follows the value when the value has no description: the unit and the empty column.
    const size_t start = pieceStore_.size();
    if (columns_.unit) pieceStore_.append(pieceStore_, pieces.second.offset, pieces.second.length);
    if (columns_.description) pieceStore_.append(delimiter);
    pieces.third = {static_cast<uint32_t>(start),
                    static_cast<uint32_t>(pieceStore_.size() - start)};
    padForBlocks(pieceStore_);
    signalPieces_.insert(key, pieces);
    return *signalPieces_.find(key);
}

PieceTable::Span CsvLongSink::addDescriptionPiece(std::string_view text) {
    const PieceTable::Key key(text);
    const PieceTable::Span span = addPiece(writer_.delimiterBytes(), text, {});
    descriptionPieces_.insert(key, {span, {}});
    return span;
}

void CsvLongSink::write(const tables::DecodedFrame& decoded) {
    buildFrameColumns(decoded);
    lines_ += decoded.values.size();
    if (writeLinesFromPieces(decoded.values)) return;
    if (checksDatabaseTexts_ || quoting_.checksGeneratedTexts()) {
        writeLines<true>(decoded.values);
    } else {
        writeLines<false>(decoded.values);
    }
}

bool CsvLongSink::writeLinesFromPieces(std::span<const decode::SignalValue> values) {
    if (quoting_.checksGeneratedTexts()) return false;
    if (pieceStore_.size() > kPieceStoreLimit) forgetPieces();
    // The frame's lines one after another in the room of one line, ended all at once.
    constexpr size_t kRoom = LineWriter::kLineCapacity - 1;
    char* begin = writer_.lineSpace(0);
    char* out = begin;
    for (size_t done = 0; done < values.size(); ++done) {
        const decode::SignalValue& value = values[done];
        // Looked up first: a new piece may move the store.
        const PieceTable::Pieces& pieces = signalPieces(value);
        const PieceTable::Span name = pieces.first;
        PieceTable::Span afterValue = pieces.third;
        PieceTable::Span description;
        if (columns_.description && !value.enumText.empty()) {
            afterValue = columns_.unit ? pieces.second : PieceTable::Span{};
            description = descriptionPiece(value.enumText);
        }
        const size_t longest = frameHeadLength_ + name.length + tables::kValueTextCapacity +
                               afterValue.length + description.length + rawPieceLength_ +
                               kCopyBlock;
        if (begin == nullptr || static_cast<size_t>(out - begin) + longest > kRoom) {
            if (begin != nullptr) writer_.endLinesAt(out);
            begin = out = writer_.lineSpace(longest);
            if (out == nullptr) {
                // The rest column by column, in order.
                if (checksDatabaseTexts_) {
                    writeLines<true>(values.subspan(done));
                } else {
                    writeLines<false>(values.subspan(done));
                }
                return true;
            }
        }
        const char* store = pieceStore_.data();
        char* const line = out;
        out = copyBlocks(out, frameHead_.data(), frameHeadLength_);
        out = copyBlocks(out, store + name.offset, name.length);
        out += formatValue(out, value);
        out = copyBlocks(out, store + afterValue.offset, afterValue.length);
        if (description.length != 0) {
            out = copyBlocks(out, store + description.offset, description.length);
        }
        if (rawPieceLength_ != 0) out = copyBlocks(out, rawPiece_.data(), rawPieceLength_);
        out = writer_.finishLine(line, out);
    }
    if (begin != nullptr) writer_.endLinesAt(out);
    return true;
}

// One line per value. Without any text that could need quotes the fields go out as they are,
// with no look at them: that is the path nearly every conversion takes.
template <bool kQuoting>
void CsvLongSink::writeLines(std::span<const decode::SignalValue> values) {
    const std::string_view delimiter = writer_.delimiterBytes();
    char number[tables::kValueTextCapacity];
    for (const decode::SignalValue& value : values) {
        LineCursor line(writer_);
        bool pending = frameHeadPending_;
        line.put(std::string_view(frameHead_.data(), frameHeadLength_));
        const std::string_view valueText(number, formatValue(number, value));
        if constexpr (kQuoting) {
            line.column(databaseField(value.signalName), delimiter, pending);
            line.column(generatedField(valueText), delimiter, pending);
            if (columns_.unit) line.column(databaseField(value.unit), delimiter, pending);
            if (columns_.description)
                line.column(databaseField(value.enumText), delimiter, pending);
        } else {
            line.column(value.signalName, delimiter, pending);
            line.column(valueText, delimiter, pending);
            if (columns_.unit) line.column(value.unit, delimiter, pending);
            if (columns_.description) line.column(value.enumText, delimiter, pending);
        }
        if (columns_.rawData) line.column(rawData_, delimiter, pending);
        line.commit();
        writer_.endLine();
    }
}

}  // namespace csv
