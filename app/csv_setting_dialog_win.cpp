#include "app/csv_setting_dialog_win.h"

#include "app/conversion_control_rules.h"
#include "app/dialog_controls_win.h"
#include "app/layout_win.h"
#include "app/main_dialog_rules.h"
#include "app/resources/resource_ids.h"
#include "app/resources_win.h"
#include "app/shell_state_win.h"

namespace app {

namespace {

INT_PTR onInitDialog(HWND dialog) {
    const ConversionSettings& settings = conversionSettings();
    scaleToMessageFont(dialog);
    fillChoiceList(dialog, IDC_CSV_OUT_CODE,
                   {IDS_OUT_CODE_ASCII, IDS_OUT_CODE_UTF8, IDS_OUT_CODE_UTF8_BOM},
                   listIndexOfChoice(static_cast<int32_t>(settings.encoding), 3));
    fillChoiceList(dialog, IDC_CSV_LINEFEED, {IDS_LINEFEED_CRLF, IDS_LINEFEED_LF, IDS_LINEFEED_CR},
                   listIndexOfChoice(static_cast<int32_t>(settings.lineEnd), 3));
    centreOnOwner(dialog);
    return TRUE;
}

int32_t selectedChoice(HWND dialog, int control) {
    return choiceFromListIndex(SendDlgItemMessageW(dialog, control, CB_GETCURSEL, 0, 0));
}

INT_PTR onCommand(HWND dialog, WORD control, WORD notification) {
    switch (control) {
        case IDCANCEL:
            SendMessageW(dialog, WM_CLOSE, 0, 0);
            return TRUE;
        case IDC_CSV_OUT_CODE:
            if (notification == CBN_SELCHANGE) {
                conversionSettings().encoding =
                    static_cast<settings::Encoding>(selectedChoice(dialog, IDC_CSV_OUT_CODE));
            }
            return TRUE;
        case IDC_CSV_LINEFEED:
            if (notification == CBN_SELCHANGE) {
                conversionSettings().lineEnd =
                    static_cast<settings::LineEnd>(selectedChoice(dialog, IDC_CSV_LINEFEED));
            }
            return TRUE;
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK csvSettingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return onInitDialog(dialog);
        case WM_COMMAND:
            return onCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        case WM_CLOSE:
            EndDialog(dialog, 0);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void runCsvSettingDialog(HWND owner) {
    runResourceDialog(IDD_CSV_SETTING, owner, csvSettingDialogProc);
}

}  // namespace app
