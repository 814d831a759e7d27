#include "platform/shared_library.h"
#include "workbook/xlsx_functions.h"

namespace workbook {

namespace {

template <class Function>
bool find(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(platform::librarySymbol(library, name));
    return function != nullptr;
}

const XlsxFunctions* load() {
    static XlsxFunctions functions{};
    void* library = platform::loadLibrary(TXTCVT_XLSXWRITER_SONAME);
    if (library == nullptr) return nullptr;
    XlsxFunctions& f = functions;
    const bool all = find(library, "workbook_new_opt", f.workbookNewOpt) &&
                     find(library, "workbook_add_format", f.workbookAddFormat) &&
                     find(library, "workbook_add_worksheet", f.workbookAddWorksheet) &&
                     find(library, "workbook_close", f.workbookClose) &&
                     find(library, "format_set_bold", f.formatSetBold) &&
                     find(library, "format_set_num_format", f.formatSetNumFormat) &&
                     find(library, "worksheet_set_column", f.worksheetSetColumn) &&
                     find(library, "worksheet_write_string", f.worksheetWriteString) &&
                     find(library, "worksheet_write_number", f.worksheetWriteNumber) &&
                     find(library, "worksheet_freeze_panes", f.worksheetFreezePanes) &&
                     find(library, "worksheet_autofilter", f.worksheetAutofilter);
    return all ? &functions : nullptr;
}

}  // namespace

const XlsxFunctions* xlsxFunctions() {
    // Once for the process, whichever thread asks first.
    static const XlsxFunctions* const functions = load();
    return functions;
}

}  // namespace workbook
