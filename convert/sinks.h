// The sink of a run's outputs, as its options choose: the long or the wide table, as CSV or as
// an Excel workbook.
#pragma once

#include <atomic>
#include <memory>

#include "convert/decoding.h"
#include "convert/options.h"
#include "convert/row_sink.h"

namespace convert {

// The columns of a workbook's sheet.
inline constexpr size_t kMaxWorkbookColumns = 16384;

// Whether this build writes workbooks (it needs libxlsxwriter).
bool workbooksAvailable();

// `abort`, when given, gives up the file in hand as soon as it is set.
std::unique_ptr<RowSink> makeRowSink(const Decoding& decoding, const ConversionOptions& options,
                                     const std::atomic<bool>* abort);

}  // namespace convert
