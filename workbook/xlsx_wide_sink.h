// The wide table as a workbook: the time in one cell, then a column per selected signal (see
// wide_table.h), its values as numbers, or with --enum-text the value description as text.
#pragma once

#include "decode/decoding_setup.h"
#include "tables/row_sink.h"
#include "tables/table_options.h"
#include "tables/wide_table.h"
#include "workbook/workbook_text.h"
#include "workbook/workbook_time.h"
#include "workbook/workbook_writer.h"

namespace workbook {

class XlsxWideSink final : public tables::FileSink, private tables::WideRowWriter {
public:
    XlsxWideSink(const decode::Decoding& decoding, const tables::ConversionOptions& options,
                 uint32_t rowsPerSheet = WorkbookWriter::kMaxRowsPerSheet);

    int32_t open(const std::filesystem::path& output) override;
    void begin(const tables::TimeBase& time) override;
    void write(const tables::DecodedFrame& frame) override;
    int32_t result() const override { return book_.result(); }
    void fail(int32_t code) override { book_.fail(code); }
    int32_t close() override;
    uint64_t linesWritten() const override { return book_.rows(); }
    tables::ResampleCounts resampleCounts() const override { return rows_.resampleCounts(); }
    bool wantsFirstLook() const override { return columns_.follows(); }
    void plan(const tables::MessageChannels& seen) override {
        columns_.plan(seen, WorkbookWriter::kMaxColumns - 1);  // the time takes one
    }

private:
    void row(uint64_t microseconds, std::span<const tables::WideCell> cells, int32_t first,
             int32_t end) override;

    WorkbookWriter book_;
    tables::WideColumns columns_;
    tables::WideRows rows_;
    bool enumText_;
    WorkbookTime time_;
    WorkbookTexts texts_;
    bool begun_ = false;
};

}  // namespace workbook
