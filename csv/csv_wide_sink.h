// The wide CSV table: the time columns, then a column per selected signal, a row per frame or
// per period (see wide_table.h). Quoting, character code, line ends and delimiter as in the
// long table.
#pragma once

#include <memory>
#include <string>

#include "csv/csv_quoting.h"
#include "csv/csv_time_columns.h"
#include "csv/line_writer.h"
#include "decode/decoding_setup.h"
#include "tables/row_sink.h"
#include "tables/table_options.h"
#include "tables/wide_table.h"

namespace csv {

class CsvWideSink final : public tables::FileSink, private tables::WideRowWriter {
public:
    CsvWideSink(const decode::Decoding& decoding, const tables::ConversionOptions& options);

    int32_t open(const std::filesystem::path& output) override;
    void begin(const tables::TimeBase& time) override;
    void write(const tables::DecodedFrame& frame) override;
    int32_t result() const override { return writer_.result(); }
    void fail(int32_t code) override { writer_.setError(code); }
    int32_t close() override;
    uint64_t linesWritten() const override { return lines_; }
    tables::ResampleCounts resampleCounts() const override { return rows_.resampleCounts(); }
    bool wantsFirstLook() const override { return columns_.follows(); }
    void plan(const tables::MessageChannels& seen) override;

    // The most columns a file's table is split into (each column holds a cell's text).
    static constexpr size_t kMaxColumns = 65536;

private:
    void sizeColumns();
    void row(uint64_t microseconds, std::span<const tables::WideCell> cells, int32_t first,
             int32_t end) override;
    std::string_view cellText(const tables::WideCell& cell, char* number);
    std::string_view quotedIfNeeded(std::string_view text, bool generated);

    LineWriter writer_;
    tables::WideColumns columns_;
    tables::WideRows rows_;
    bool enumText_;
    CsvQuoting quoting_;
    std::string quoted_;
    TimeColumns time_;
    std::string emptyCells_;  // the delimiter once per column, for runs of empty cells
    // The text of each cell as last written, and the stamp it was written for: held and
    // resampled rows repeat most cells unchanged.
    std::vector<std::string> cellTexts_;
    std::vector<uint64_t> cellStamps_;
    bool begun_ = false;
    uint64_t lines_ = 0;
};

}  // namespace csv
