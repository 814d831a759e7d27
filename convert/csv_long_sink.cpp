#include "convert/csv_long_sink.h"

#include "convert/text_format.h"

namespace convert {

void CsvLongSink::configure(const ConversionOptions& options) {
    writer_.configureWriter(options);
    columns_ = options.columns;
}

int32_t CsvLongSink::open(const std::filesystem::path& output) {
    return writer_.openOutput(output);
}

void CsvLongSink::begin(const TimeBase& time) {
    time_.start(time);
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
    bool pending = false;
    frameHead_.clear();
    const auto column = [&](std::string_view text) {
        if (pending) frameHead_.append(delimiter);
        frameHead_.append(text);
        pending = true;
    };
    for (const std::string& text : time_.texts(decoded.microseconds)) column(text);
    const monitor::CapturedFrame& frame = decoded.frame;
    if (columns_.channel) column(frame.channel == 0 ? "CH1" : "CH2");
    if (columns_.identifier) {
        scratch_.clear();
        appendHex(scratch_, decoded.message.canId, frame.isExtended ? 7 : 3);
        column(scratch_);
    }
    if (columns_.message) column(decoded.message.name);
    frameHeadPending_ = pending;
    rawData_.clear();
    if (columns_.rawData) appendRawData(rawData_, frame.data, frame.dataLength);
}

void CsvLongSink::write(const DecodedFrame& decoded) {
    buildFrameColumns(decoded);
    const std::string_view delimiter = writer_.delimiterBytes();
    char number[kValueTextCapacity];
    for (const SignalValue& value : decoded.values) {
        LineCursor line(writer_);
        bool pending = frameHeadPending_;
        line.put(frameHead_);
        line.column(value.signalName, delimiter, pending);
        line.column(std::string_view(number, formatValue(number, value.value)), delimiter, pending);
        if (columns_.unit) line.column(value.unit, delimiter, pending);
        if (columns_.description) line.column(value.enumText, delimiter, pending);
        if (columns_.rawData) line.column(rawData_, delimiter, pending);
        line.commit();
        writer_.endLine();
    }
}

}  // namespace convert
