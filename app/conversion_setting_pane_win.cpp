#include "app/conversion_setting_pane_win.h"

#include <string>

#include "app/conversion_control_rules.h"
#include "app/csv_setting_dialog_win.h"
#include "app/dialog_controls_win.h"
#include "app/main_dialog_rules.h"
#include "app/resources/resource_ids.h"
#include "app/resources_win.h"
#include "app/shell_state_win.h"

namespace app {

namespace {

constexpr int kDelimiterLimit = static_cast<int>(settings::kMaxDelimiterLength);

void showCheck(HWND pane, int control, bool on) {
    CheckDlgButton(pane, control, on ? BST_CHECKED : BST_UNCHECKED);
}

void enableCsvSettingButton(HWND pane) {
    const bool enabled =
        csvSettingButtonEnabled(IsWindowEnabled(pane) != FALSE, conversionSettings().additionalCsv);
    EnableWindow(GetDlgItem(pane, IDC_CSV_SETTING), enabled ? TRUE : FALSE);
}

INT_PTR onInitDialog(HWND pane) {
    const ConversionSettings& settings = conversionSettings();
    SendDlgItemMessageW(pane, IDC_DELIMITER, EM_LIMITTEXT, kDelimiterLimit, 0);
    SetDlgItemTextW(pane, IDC_DELIMITER,
                    reinterpret_cast<const wchar_t*>(settings.delimiter.c_str()));
    fillChoiceList(pane, IDC_TIMESTAMP,
                   {IDS_TIMESTAMP_NONE, IDS_TIMESTAMP_DATE_TIME, IDS_TIMESTAMP_ELAPSED},
                   listIndexOfChoice(static_cast<int32_t>(settings.timeStamps), 3));
    showCheck(pane, IDC_PRINT_CH, settings.columns.channel);
    showCheck(pane, IDC_PRINT_ID, settings.columns.identifier);
    showCheck(pane, IDC_PRINT_MSG, settings.columns.message);
    showCheck(pane, IDC_PRINT_UNIT, settings.columns.unit);
    showCheck(pane, IDC_PRINT_ENUM, settings.columns.description);
    showCheck(pane, IDC_PRINT_RAW, settings.columns.rawData);
    showCheck(pane, IDC_CSV_ADDITIONAL, settings.additionalCsv);
    EnableWindow(GetDlgItem(pane, IDC_CSV_SETTING), settings.additionalCsv ? TRUE : FALSE);
    return FALSE;
}

void storeDelimiter(HWND pane) {
    wchar_t text[kDelimiterLimit + 1] = {};
    const int length = GetDlgItemTextW(pane, IDC_DELIMITER, text, kDelimiterLimit + 1);
    conversionSettings().delimiter = delimiterFromEdit(
        std::u16string_view(reinterpret_cast<const char16_t*>(text), static_cast<size_t>(length)));
}

void flipCsvAdditional(HWND pane) {
    bool& additional = conversionSettings().additionalCsv;
    additional = !additional;
    showCheck(pane, IDC_CSV_ADDITIONAL, additional);
    enableCsvSettingButton(pane);
}

INT_PTR onCommand(HWND pane, WORD control, WORD notification) {
    if (bool* column = columnSettingOf(conversionSettings(), control)) {
        if (notification == BN_CLICKED) {
            *column = !*column;
            showCheck(pane, control, *column);
        }
        return TRUE;
    }
    switch (control) {
        case IDC_DELIMITER:
            if (notification == EN_KILLFOCUS) storeDelimiter(pane);
            return TRUE;
        case IDC_CSV_ADDITIONAL:
            if (notification == BN_CLICKED) flipCsvAdditional(pane);
            return TRUE;
        case IDC_CSV_SETTING:
            if (notification == BN_CLICKED) runCsvSettingDialog(pane);
            return TRUE;
        case IDC_TIMESTAMP:
            if (notification == CBN_SELCHANGE) {
                const LRESULT index = SendDlgItemMessageW(pane, IDC_TIMESTAMP, CB_GETCURSEL, 0, 0);
                conversionSettings().timeStamps =
                    static_cast<settings::TimeStamps>(choiceFromListIndex(index));
            }
            return TRUE;
        default:
            return FALSE;
    }
}

// The other controls keep their state: the disabled pane takes no input anyway.
INT_PTR onEnable(HWND pane, bool enabled) {
    EnableWindow(GetDlgItem(pane, IDC_DELIMITER), enabled ? TRUE : FALSE);
    EnableWindow(GetDlgItem(pane, IDC_CSV_ADDITIONAL), enabled ? TRUE : FALSE);
    enableCsvSettingButton(pane);
    return TRUE;
}

INT_PTR CALLBACK conversionSettingPaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return onInitDialog(pane);
        case WM_COMMAND:
            return onCommand(pane, LOWORD(wParam), HIWORD(wParam));
        case WM_ENABLE:
            return onEnable(pane, wParam != FALSE);
        default:
            return FALSE;
    }
}

}  // namespace

HWND createConversionSettingPane(HWND mainDialog) {
    HWND pane = createResourceDialog(IDD_CONVERSION_PANE, mainDialog, conversionSettingPaneProc);
    placeAtPlaceholder(mainDialog, pane, IDC_CVTBASE);
    return pane;
}

}  // namespace app
