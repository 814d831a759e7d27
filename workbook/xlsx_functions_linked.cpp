#include "workbook/xlsx_functions.h"

namespace workbook {

const XlsxFunctions* xlsxFunctions() {
    static const XlsxFunctions functions{
        &::workbook_new_opt,       &::workbook_add_format,    &::workbook_add_worksheet,
        &::workbook_close,         &::format_set_bold,        &::format_set_num_format,
        &::worksheet_set_column,   &::worksheet_write_string, &::worksheet_write_number,
        &::worksheet_freeze_panes, &::worksheet_autofilter};
    return &functions;
}

}  // namespace workbook
