// The long table as a workbook: the columns of the long CSV table (the time in one cell), a row
// per signal value. Values are numbers, times date-time cells or seconds, everything else text.
#pragma once

#include <atomic>
#include <string>

#include "convert/decoding.h"
#include "convert/options.h"
#include "convert/row_sink.h"
#include "convert/workbook_text.h"
#include "convert/workbook_time.h"
#include "convert/workbook_writer.h"

namespace convert {

class XlsxLongSink final : public RowSink {
public:
    XlsxLongSink(const Decoding& decoding, const ConversionOptions& options,
                 uint32_t rowsPerSheet = WorkbookWriter::kMaxRowsPerSheet);

    void setAbortFlag(const std::atomic<bool>* abort) { abort_ = abort; }

    int32_t open(const std::filesystem::path& output) override { return book_.open(output); }
    void begin(const TimeBase& time) override;
    void write(const DecodedFrame& frame) override;
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
    Columns columns_;
    TextWidths widths_;
    const std::atomic<bool>* abort_ = nullptr;
    WorkbookTime time_;
    WorkbookTexts texts_;
    std::string scratch_;
    std::string identifier_;
    std::string rawData_;
};

}  // namespace convert
