// The wide CSV table: the time columns, then a column per selected signal, a row per frame or
// per period (see wide_table.h). Quoting, character code, line ends and delimiter as in the
// long table.
#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "convert/csv_quoting.h"
#include "convert/decoding.h"
#include "convert/options.h"
#include "convert/output_writer.h"
#include "convert/row_sink.h"
#include "convert/time_columns.h"
#include "convert/wide_table.h"

namespace convert {

class CsvWideSink final : public RowSink, private WideRowWriter {
public:
    CsvWideSink(const Decoding& decoding, const ConversionOptions& options);

    void setAbortFlag(const std::atomic<bool>* abort) { abort_ = abort; }

    int32_t open(const std::filesystem::path& output) override;
    void begin(const TimeBase& time) override;
    void write(const DecodedFrame& frame) override;
    int32_t result() const override { return writer_.result(); }
    void fail(int32_t code) override { writer_.setError(code); }
    int32_t close() override;
    uint64_t linesWritten() const override { return lines_; }

private:
    void row(uint64_t microseconds, std::span<const WideCell> cells, int32_t first,
             int32_t end) override;
    std::string_view cellText(const WideCell& cell, char* number);
    std::string_view quotedIfNeeded(std::string_view text, bool generated);

    OutputWriter writer_;
    WideColumns columns_;
    WideRows rows_;
    bool enumText_;
    const std::atomic<bool>* abort_ = nullptr;
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

}  // namespace convert
