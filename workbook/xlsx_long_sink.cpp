#include "workbook/xlsx_long_sink.h"

#include <algorithm>

#include "platform/platform.h"
#include "tables/text_format.h"

namespace workbook {

namespace {

// A column as wide as its widest text within sensible bounds, with room for the header's
// filter button.
double widthFor(std::string_view header, size_t widest, size_t least, size_t most) {
    const size_t text = std::clamp(widest, least, most);
    return static_cast<double>(std::max(text, header.size() + 3) + 1);
}

}  // namespace

XlsxLongSink::XlsxLongSink(const decode::Decoding& decoding,
                           const tables::ConversionOptions& options, uint32_t rowsPerSheet)
    : book_(rowsPerSheet), columns_(options.columns) {
    for (const decode::ChannelDecoding* channel : decoding.all()) {
        if (channel->database == nullptr) continue;
        for (const dbc::DbcMessage& message : channel->database->messages) {
            widths_.message = std::max(widths_.message, message.name.size());
            widths_.rawBytes = std::max(widths_.rawBytes, static_cast<size_t>(message.dlc));
            for (const dbc::DbcSignal& signal : message.signals) {
                widths_.signal = std::max(widths_.signal, signal.name.size());
                widths_.unit = std::max(widths_.unit, signal.unit.size());
                for (const dbc::ValueDescription& entry : signal.valueDescriptions.entries) {
                    widths_.description = std::max(widths_.description, entry.text.size());
                }
            }
        }
    }
}

void XlsxLongSink::begin(const tables::TimeBase& time) {
    time_.start(time);
    std::vector<WorkbookColumn> columns;
    const auto add = [&](std::string_view header, double width, CellStyle style) {
        columns.push_back({std::string(header), width, style});
    };
    switch (time_.style()) {
        case WorkbookTimeStyle::kDateTime:
            add(time_.header(), 24, CellStyle::kDateTime);
            break;
        case WorkbookTimeStyle::kClockSeconds:
            add(time_.header(), 12, CellStyle::kClockSeconds);
            break;
        case WorkbookTimeStyle::kElapsedSeconds:
            add(time_.header(), 16, CellStyle::kElapsedSeconds);
            break;
        default:
            break;
    }
    if (columns_.channel) add("Ch", 6, CellStyle::kGeneral);
    if (columns_.identifier) add("CAN_ID", 10, CellStyle::kGeneral);
    if (columns_.message) add("Message", widthFor("Message", widths_.message, 8, 40), {});
    add("Signal", widthFor("Signal", widths_.signal, 8, 40), CellStyle::kGeneral);
    add("Value", 14, CellStyle::kGeneral);
    if (columns_.unit) add("Unit", widthFor("Unit", widths_.unit, 4, 20), {});
    if (columns_.description) add("Enum", widthFor("Enum", widths_.description, 6, 40), {});
    if (columns_.rawData) {
        add("Raw_Data", widthFor("Raw_Data", widths_.rawBytes * 3, 8, 60), CellStyle::kGeneral);
    }
    book_.begin(std::move(columns));
}

void XlsxLongSink::write(const tables::DecodedFrame& decoded) {
    const can::Frame& frame = decoded.frame;
    const WorkbookTime::Cell time = time_.cell(decoded.microseconds);
    if (columns_.identifier) {
        // The frame's own identifier: a J1939 match shows its sender's address.
        identifier_.clear();
        tables::appendHex(identifier_, frame.canId, frame.isExtended ? 7 : 3);
    }
    if (columns_.channel) {
        channel_.clear();
        tables::appendChannel(channel_, frame.channel);
    }
    if (columns_.rawData) {
        rawData_.clear();
        tables::appendRawData(rawData_, frame.data, frame.dataLength);
    }
    const bool hasTime = time_.style() != WorkbookTimeStyle::kNone;
    for (const decode::SignalValue& value : decoded.values) {
        book_.nextRow();
        uint32_t column = 0;
        if (hasTime) book_.time(column++, time);
        if (columns_.channel) book_.text(column++, channel_.c_str());
        if (columns_.identifier) book_.text(column++, identifier_.c_str());
        if (columns_.message) book_.text(column++, texts_(decoded.message.name));
        book_.text(column++, texts_(value.signalName));
        book_.number(column++, value.value);
        if (columns_.unit) book_.text(column++, texts_(value.unit));
        if (columns_.description) book_.text(column++, texts_(value.enumText));
        if (columns_.rawData) book_.text(column++, rawData_.c_str());
        if (book_.result() != 0) return;
    }
}

}  // namespace workbook
