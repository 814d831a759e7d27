#include "convert/csv_long_sink.h"

#include "convert/text_format.h"
#include "platform/platform.h"

namespace convert {

namespace {

// Whether any text that a line can show from the database needs quotes.
bool anyTextNeedsQuotes(const dbc::CanDatabase& database, const CsvQuoting& quoting) {
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

}  // namespace

void CsvLongSink::configure(const ConversionOptions& options, const Decoding* decoding) {
    writer_.configureWriter(options);
    columns_ = options.columns;
    quoting_.configure(writer_.delimiterBytes());
    checksDatabaseTexts_ = decoding == nullptr;
    for (const ChannelDecoding& channel :
         decoding != nullptr ? decoding->channels : std::span<const ChannelDecoding>{}) {
        if (channel.database != nullptr && anyTextNeedsQuotes(*channel.database, quoting_)) {
            checksDatabaseTexts_ = true;
        }
    }
}

int32_t CsvLongSink::open(const std::filesystem::path& output) {
    return writer_.openOutput(output);
}

void CsvLongSink::begin(const TimeBase& time) {
    time_.start(time);
    lines_ = 0;
    writeHeaderLine();
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
void CsvLongSink::buildFrameColumns(const DecodedFrame& decoded) {
    const std::string_view delimiter = writer_.delimiterBytes();
    const bool checkGenerated = quoting_.checksGeneratedTexts();
    bool pending = false;
    frameHead_.clear();
    const auto column = [&](std::string_view text) {
        if (pending) frameHead_.append(delimiter);
        frameHead_.append(text);
        pending = true;
    };
    const auto generated = [&](std::string_view text) {
        column(checkGenerated ? generatedField(text) : text);
    };
    for (const std::string& text : time_.texts(decoded.microseconds)) generated(text);
    const monitor::CapturedFrame& frame = decoded.frame;
    if (columns_.channel) generated(frame.channel == 0 ? "CH1" : "CH2");
    if (columns_.identifier) {
        scratch_.clear();
        // The frame's own identifier: a J1939 match shows its sender's address.
        appendHex(scratch_, frame.canId, frame.isExtended ? 7 : 3);
        generated(scratch_);
    }
    if (columns_.message) column(databaseField(decoded.message.name));
    frameHeadPending_ = pending;
    rawData_.clear();
    if (columns_.rawData) {
        scratch_.clear();
        appendRawData(scratch_, frame.data, frame.dataLength);
        rawData_ = checkGenerated ? generatedField(scratch_) : std::string_view(scratch_);
    }
}

void CsvLongSink::write(const DecodedFrame& decoded) {
    if (abort_ != nullptr && abort_->load(std::memory_order_relaxed)) {
        writer_.setError(platform::kCancelled);
        return;
    }
    buildFrameColumns(decoded);
    lines_ += decoded.values.size();
    if (checksDatabaseTexts_ || quoting_.checksGeneratedTexts()) {
        writeLines<true>(decoded.values);
    } else {
        writeLines<false>(decoded.values);
    }
}

// One line per value. Without any text that could need quotes the fields go out as they are,
// with no look at them: that is the path nearly every conversion takes.
template <bool kQuoting>
void CsvLongSink::writeLines(std::span<const SignalValue> values) {
    const std::string_view delimiter = writer_.delimiterBytes();
    char number[kValueTextCapacity];
    for (const SignalValue& value : values) {
        LineCursor line(writer_);
        bool pending = frameHeadPending_;
        line.put(frameHead_);
        const std::string_view valueText(number, formatValue(number, value.value));
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

}  // namespace convert
