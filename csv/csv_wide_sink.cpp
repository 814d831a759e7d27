#include "csv/csv_wide_sink.h"

#include "platform/platform.h"
#include "tables/text_format.h"

namespace csv {

CsvWideSink::CsvWideSink(const decode::Decoding& decoding, const tables::ConversionOptions& options)
    : columns_(decoding),
      rows_(columns_, tables::WideOptions{options.hold, options.resampleMicroseconds}),
      enumText_(options.enumText) {
    writer_.configureWriter(options);
    quoting_.configure(writer_.delimiterBytes());
    sizeColumns();
}

void CsvWideSink::sizeColumns() {
    const size_t count = columns_.columns().size();
    emptyCells_.clear();
    for (size_t i = 0; i < count; ++i) emptyCells_ += writer_.delimiterBytes();
    cellTexts_.assign(count, std::string());
    cellStamps_.assign(count, 0);
}

void CsvWideSink::plan(const tables::MessageChannels& seen) {
    columns_.plan(seen, kMaxColumns);
    sizeColumns();
}

int32_t CsvWideSink::open(const std::filesystem::path& output) {
    begun_ = false;
    lines_ = 0;
    std::fill(cellStamps_.begin(), cellStamps_.end(), 0);
    return writer_.openOutput(output);
}

std::string_view CsvWideSink::quotedIfNeeded(std::string_view text, bool generated) {
    if (generated && !quoting_.checksGeneratedTexts()) return text;
    if (!quoting_.needsQuotes(text)) return text;
    quoted_.clear();
    CsvQuoting::appendQuoted(quoted_, text);
    return quoted_;
}

void CsvWideSink::begin(const tables::TimeBase& time) {
    time_.start(time);
    rows_.begin();
    begun_ = true;
    bool pending = false;
    const auto column = [&](std::string_view name) {
        if (pending) writer_.appendDelimiter();
        writer_.appendText(name);
        pending = true;
    };
    for (std::string_view name : time_.headers()) column(name);
    std::string name;
    for (const tables::WideColumn& wide : columns_.columns()) {
        name = wide.name;
        if (!wide.unit.empty()) name += " [" + wide.unit + "]";
        column(quotedIfNeeded(name, false));
    }
    writer_.endLine();
}

void CsvWideSink::write(const tables::DecodedFrame& decoded) { rows_.frame(decoded, *this); }

int32_t CsvWideSink::close() {
    if (begun_ && writer_.result() == 0) rows_.finish(*this);
    begun_ = false;
    return writer_.closeOutput();
}

// The number, or with --enum-text the value description where the signal has one for it.
std::string_view CsvWideSink::cellText(const tables::WideCell& cell, char* number) {
    if (enumText_ && !cell.enumText.empty() && cell.enumText != decode::kUndefinedEnumText) {
        return quotedIfNeeded(cell.enumText, false);
    }
    return quotedIfNeeded(std::string_view(number, tables::formatValue(number, cell.value)), true);
}

void CsvWideSink::row(uint64_t microseconds, std::span<const tables::WideCell> cells, int32_t first,
                      int32_t end) {
    if (writer_.result() != 0) return;
    const std::string_view delimiter = writer_.delimiterBytes();
    bool pending = false;
    {
        LineCursor line(writer_);
        for (const std::string& text : time_.texts(microseconds))
            line.column(quotedIfNeeded(text, true), delimiter, pending);
        line.commit();
    }
    // Empty cells before the range: a delimiter each (none before the very first field).
    const auto empties = [&](int32_t count) {
        if (count <= 0) return;
        LineCursor line(writer_);
        size_t bytes = static_cast<size_t>(count) * delimiter.size();
        if (!pending) bytes -= delimiter.size();
        line.put(std::string_view(emptyCells_).substr(0, bytes));
        line.commit();
        pending = true;
    };
    empties(first);
    char number[tables::kValueTextCapacity];
    for (int32_t i = first; i < end; ++i) {
        const tables::WideCell& cell = cells[static_cast<size_t>(i)];
        std::string_view text;
        if (cell.present) {
            const auto index = static_cast<size_t>(i);
            if (cellStamps_[index] != cell.stamp) {
                cellTexts_[index] = cellText(cell, number);
                cellStamps_[index] = cell.stamp;
            }
            text = cellTexts_[index];
        }
        LineCursor line(writer_);
        line.column(text, delimiter, pending);
        line.commit();
    }
    empties(static_cast<int32_t>(cells.size()) - end);
    writer_.endLine();
    ++lines_;
}

}  // namespace csv
