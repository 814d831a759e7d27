// The wide table as a workbook: the time in one cell, then a column per selected signal (see
// wide_table.h), its values as numbers, or with --enum-text the value description as text.
#pragma once

#include <atomic>

#include "convert/decoding.h"
#include "convert/options.h"
#include "convert/row_sink.h"
#include "convert/wide_table.h"
#include "convert/workbook_text.h"
#include "convert/workbook_time.h"
#include "convert/workbook_writer.h"

namespace convert {

class XlsxWideSink final : public RowSink, private WideRowWriter {
public:
    XlsxWideSink(const Decoding& decoding, const ConversionOptions& options,
                 uint32_t rowsPerSheet = WorkbookWriter::kMaxRowsPerSheet);

    void setAbortFlag(const std::atomic<bool>* abort) { abort_ = abort; }

    int32_t open(const std::filesystem::path& output) override;
    void begin(const TimeBase& time) override;
    void write(const DecodedFrame& frame) override;
    int32_t result() const override { return book_.result(); }
    void fail(int32_t code) override { book_.fail(code); }
    int32_t close() override;
    uint64_t linesWritten() const override { return book_.rows(); }

private:
    void row(uint64_t microseconds, std::span<const WideCell> cells, int32_t first,
             int32_t end) override;

    WorkbookWriter book_;
    WideColumns columns_;
    WideRows rows_;
    bool enumText_;
    const std::atomic<bool>* abort_ = nullptr;
    WorkbookTime time_;
    WorkbookTexts texts_;
    bool begun_ = false;
};

}  // namespace convert
