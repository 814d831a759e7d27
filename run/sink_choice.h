// The table sink of a run's outputs, as its options choose: the long or the wide table, as CSV
// or as an Excel workbook.
#pragma once

#include <cstddef>
#include <memory>

#include "decode/decoding_setup.h"
#include "tables/row_sink.h"
#include "tables/table_options.h"

namespace run {

// The columns of a workbook's sheet.
inline constexpr size_t kMaxWorkbookColumns = 16384;

// Whether this build writes workbooks (it needs libxlsxwriter).
bool workbooksAvailable();

std::unique_ptr<tables::FileSink> makeFileSink(const decode::Decoding& decoding,
                                               const tables::ConversionOptions& options);

}  // namespace run
