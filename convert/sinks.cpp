#include "convert/sinks.h"

#include "convert/csv_long_sink.h"
#include "convert/csv_wide_sink.h"
#if TXTCVT_WITH_XLSX
#include "convert/xlsx_long_sink.h"
#include "convert/xlsx_wide_sink.h"
#endif

namespace convert {

#if TXTCVT_WITH_XLSX
static_assert(kMaxWorkbookColumns == WorkbookWriter::kMaxColumns);
#endif

namespace {

template <class Sink, class... Arguments>
std::unique_ptr<RowSink> withAbortFlag(const std::atomic<bool>* abort, Arguments&&... arguments) {
    auto sink = std::make_unique<Sink>(std::forward<Arguments>(arguments)...);
    sink->setAbortFlag(abort);
    return sink;
}

}  // namespace

bool workbooksAvailable() { return TXTCVT_WITH_XLSX != 0; }

std::unique_ptr<RowSink> makeRowSink(const Decoding& decoding, const ConversionOptions& options,
                                     const std::atomic<bool>* abort) {
    const bool wide = options.layout == TableLayout::kWide;
#if TXTCVT_WITH_XLSX
    if (options.format == OutputFormat::kXlsx) {
        if (wide) return withAbortFlag<XlsxWideSink>(abort, decoding, options);
        return withAbortFlag<XlsxLongSink>(abort, decoding, options);
    }
#endif
    if (wide) return withAbortFlag<CsvWideSink>(abort, decoding, options);
    auto sink = withAbortFlag<CsvLongSink>(abort);
    static_cast<CsvLongSink&>(*sink).configure(options, &decoding);
    return sink;
}

}  // namespace convert
