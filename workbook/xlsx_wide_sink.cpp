#include "workbook/xlsx_wide_sink.h"

#include <algorithm>

#include "platform/platform.h"

namespace workbook {

XlsxWideSink::XlsxWideSink(const decode::Decoding& decoding,
                           const tables::ConversionOptions& options, uint32_t rowsPerSheet)
    : book_(rowsPerSheet),
      columns_(decoding),
      rows_(columns_, tables::WideOptions{options.hold, options.resampleMicroseconds}),
      enumText_(options.enumText) {}

int32_t XlsxWideSink::open(const std::filesystem::path& output) {
    begun_ = false;
    return book_.open(output);
}

void XlsxWideSink::begin(const tables::TimeBase& time) {
    time_.start(time);
    rows_.begin();
    begun_ = true;
    std::vector<WorkbookColumn> columns;
    switch (time_.style()) {
        case WorkbookTimeStyle::kDateTime:
            columns.push_back({std::string(time_.header()), 24, CellStyle::kDateTime});
            break;
        case WorkbookTimeStyle::kClockSeconds:
            columns.push_back({std::string(time_.header()), 12, CellStyle::kClockSeconds});
            break;
        case WorkbookTimeStyle::kElapsedSeconds:
            columns.push_back({std::string(time_.header()), 16, CellStyle::kElapsedSeconds});
            break;
        default:
            break;
    }
    for (const tables::WideColumn& wide : columns_.columns()) {
        std::string name = wide.name;
        if (!wide.unit.empty()) name += " [" + wide.unit + "]";
        name = workbookText(name);
        // Room for the filter button; long names wrap to no more than a sensible width.
        const double width = static_cast<double>(std::clamp<size_t>(name.size() + 4, 12, 40));
        columns.push_back({std::move(name), width, CellStyle::kGeneral});
    }
    book_.begin(std::move(columns));
}

void XlsxWideSink::write(const tables::DecodedFrame& decoded) { rows_.frame(decoded, *this); }

int32_t XlsxWideSink::close() {
    if (begun_ && book_.result() == 0) rows_.finish(*this);
    begun_ = false;
    return book_.close();
}

void XlsxWideSink::row(uint64_t microseconds, std::span<const tables::WideCell> cells,
                       int32_t first, int32_t end) {
    if (book_.result() != 0) return;
    book_.nextRow();
    uint32_t column = 0;
    if (time_.style() != WorkbookTimeStyle::kNone) book_.time(column++, time_.cell(microseconds));
    for (int32_t i = first; i < end; ++i) {
        const tables::WideCell& cell = cells[static_cast<size_t>(i)];
        if (!cell.present) continue;
        const auto at = column + static_cast<uint32_t>(i);
        // The value description where --enum-text asks for it and the signal has one.
        if (enumText_ && !cell.enumText.empty() && cell.enumText != decode::kUndefinedEnumText) {
            book_.text(at, texts_(cell.enumText));
        } else {
            book_.number(at, cell.value);
        }
    }
}

}  // namespace workbook
