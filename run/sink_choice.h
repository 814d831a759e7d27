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

// Whether workbooks can be written: this build has libxlsxwriter, and where it is a shared
// library it can be loaded (it is, by this call).
bool workbooksAvailable();

std::unique_ptr<tables::FileSink> makeFileSink(const decode::Decoding& decoding,
                                               const tables::ConversionOptions& options);

}  // namespace run
