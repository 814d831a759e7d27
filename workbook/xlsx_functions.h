// libxlsxwriter's functions that the workbook writer calls. Built on a shared libxlsxwriter
// (Debian's), the program loads it by its soname the first time a workbook is asked for, not at
// every start: with libcrypto and minizip, which it brings, its loading took 0.9 ms of every run
// (of a candump log's export of 500,000 frames, 30 ms). Built on a static one (the Windows
// build's), they are the functions linked in.
#pragma once

#include <xlsxwriter.h>

namespace workbook {

struct XlsxFunctions {
    decltype(&::workbook_new_opt) workbookNewOpt;
    decltype(&::workbook_add_format) workbookAddFormat;
    decltype(&::workbook_add_worksheet) workbookAddWorksheet;
    decltype(&::workbook_close) workbookClose;
    decltype(&::format_set_bold) formatSetBold;
    decltype(&::format_set_num_format) formatSetNumFormat;
    decltype(&::worksheet_set_column) worksheetSetColumn;
    decltype(&::worksheet_write_string) worksheetWriteString;
    decltype(&::worksheet_write_number) worksheetWriteNumber;
    decltype(&::worksheet_freeze_panes) worksheetFreezePanes;
    decltype(&::worksheet_autofilter) worksheetAutofilter;
};

// The functions, or nullptr when the library cannot be loaded or lacks one of them.
const XlsxFunctions* xlsxFunctions();

}  // namespace workbook
