#include "convert/sinks.h"

#include "convert/csv_long_sink.h"
#include "convert/csv_wide_sink.h"

namespace convert {

std::unique_ptr<RowSink> makeRowSink(const Decoding& decoding, const ConversionOptions& options,
                                     const std::atomic<bool>* abort) {
    if (options.layout == TableLayout::kWide) {
        auto sink = std::make_unique<CsvWideSink>(decoding, options);
        sink->setAbortFlag(abort);
        return sink;
    }
    auto sink = std::make_unique<CsvLongSink>();
    sink->configure(options, &decoding);
    sink->setAbortFlag(abort);
    return sink;
}

}  // namespace convert
