// The long table as a workbook: the columns of the long CSV table (the time in one cell), a row
// per signal value. Values are numbers, times date-time cells or seconds, everything else text.
#pragma once

#include <string>

#include "decode/decoding_setup.h"
#include "tables/row_sink.h"
#include "tables/table_options.h"
#include "workbook/workbook_text.h"
#include "workbook/workbook_time.h"
#include "workbook/workbook_writer.h"

namespace workbook {

class XlsxLongSink final : public tables::FileSink {
public:
    XlsxLongSink(const decode::Decoding& decoding, const tables::ConversionOptions& options,
                 uint32_t rowsPerSheet = WorkbookWriter::kMaxRowsPerSheet);

    int32_t open(const std::filesystem::path& output) override { return book_.open(output); }
    void begin(const tables::TimeBase& time) override;
    void write(const tables::DecodedFrame& frame) override;
    int32_t result() const override { return book_.result(); }
    void fail(int32_t code) override { book_.fail(code); }
    int32_t close() override { return book_.close(); }
    uint64_t linesWritten() const override { return book_.rows(); }

private:
    // The widest texts of the databases, for the column widths.
    struct TextWidths {
        size_t message = 0, signal = 0, unit = 0, description = 0, rawBytes = 0;
    };

    WorkbookWriter book_;
    settings::Columns columns_;
    TextWidths widths_;
    WorkbookTime time_;
    WorkbookTexts texts_;
    std::string scratch_;
    std::string identifier_;
    std::string rawData_;
    std::string channel_;  // the Ch column of the current frame
};

}  // namespace workbook
