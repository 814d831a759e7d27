#include "app/conversion_setting_pane_win.h"

#include "app/dialog_controls_win.h"
#include "app/main_dialog_rules.h"
#include "app/resources/resource_ids.h"
#include "app/resources_win.h"
#include "app/shell_state_win.h"

namespace app {

namespace {

constexpr int kDelimiterLimit = 15;

void showCheck(HWND pane, int control, bool on) {
    CheckDlgButton(pane, control, on ? BST_CHECKED : BST_UNCHECKED);
}

INT_PTR onInitDialog(HWND pane) {
    const ConversionSettings& settings = conversionSettings();
    SendDlgItemMessageW(pane, IDC_DELIMITER, EM_LIMITTEXT, kDelimiterLimit, 0);
    SetDlgItemTextW(pane, IDC_DELIMITER, reinterpret_cast<const wchar_t*>(settings.csvDelimit.c_str()));
    fillChoiceList(pane, IDC_TIMESTAMP,
                   {IDS_TIMESTAMP_NONE, IDS_TIMESTAMP_DATE_TIME, IDS_TIMESTAMP_ELAPSED},
                   listIndexOfChoice(settings.timeStamp, 3));
    showCheck(pane, IDC_PRINT_CH, settings.printCh);
    showCheck(pane, IDC_PRINT_ID, settings.printID);
    showCheck(pane, IDC_PRINT_MSG, settings.printMsg);
    showCheck(pane, IDC_PRINT_UNIT, settings.printUnit);
    showCheck(pane, IDC_PRINT_ENUM, settings.printEnum);
    showCheck(pane, IDC_PRINT_RAW, settings.printRaw);
    showCheck(pane, IDC_CSV_ADDITIONAL, settings.csvAdditional);
    EnableWindow(GetDlgItem(pane, IDC_CSV_SETTING), settings.csvAdditional ? TRUE : FALSE);
    return FALSE;
}

INT_PTR CALLBACK conversionSettingPaneProc(HWND pane, UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return onInitDialog(pane);
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
