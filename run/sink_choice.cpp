#include "run/sink_choice.h"

#include "csv/csv_long_sink.h"
#include "csv/csv_wide_sink.h"
#if TXTCVT_WITH_XLSX
#include "workbook/xlsx_long_sink.h"
#include "workbook/xlsx_wide_sink.h"
#endif

namespace run {

#if TXTCVT_WITH_XLSX
static_assert(kMaxWorkbookColumns == workbook::WorkbookWriter::kMaxColumns);
#endif

bool workbooksAvailable() { return TXTCVT_WITH_XLSX != 0; }

std::unique_ptr<tables::FileSink> makeFileSink(const decode::Decoding& decoding,
                                               const tables::ConversionOptions& options) {
    const bool wide = options.layout == tables::TableLayout::kWide;
#if TXTCVT_WITH_XLSX
    if (options.format == tables::OutputFormat::kXlsx) {
        if (wide) return std::make_unique<workbook::XlsxWideSink>(decoding, options);
        return std::make_unique<workbook::XlsxLongSink>(decoding, options);
    }
#endif
    if (wide) return std::make_unique<csv::CsvWideSink>(decoding, options);
    auto sink = std::make_unique<csv::CsvLongSink>();
    sink->configure(options, &decoding);
    return sink;
}

}  // namespace run
