#include "app/conversion_setting_pane_win.h"

#include <string>

#include "app/conversion_control_rules.h"
#include "app/csv_setting_dialog_win.h"
#include "app/dialog_controls_win.h"
#include "app/main_dialog_rules.h"
#include "app/output_choice_rules.h"
#include "app/resources/resource_ids.h"
#include "app/resources_win.h"
#include "app/shell_state_win.h"
#include "app/signal_dialog_win.h"
#include "app/window_messages.h"

namespace app {

namespace {

constexpr int kDelimiterLimit = static_cast<int>(settings::kMaxDelimiterLength);

void showCheck(HWND pane, int control, bool on) {
    CheckDlgButton(pane, control, on ? BST_CHECKED : BST_UNCHECKED);
}

constexpr int kPeriodLimit = 24;

bool databaseLoaded() {
    const ShellState& state = shellState();
    return state.dbcLoaded || (state.output.dbcPerChannel && state.dbcLoadedCh2);
}

OutputControlStates currentOutputStates() {
    return outputControlStates(shellState().output, databaseLoaded());
}

void enableControl(HWND pane, int control, bool enabled) {
    EnableWindow(GetDlgItem(pane, control), enabled ? TRUE : FALSE);
}

void enableCsvSettingButton(HWND pane) {
    const bool enabled = csvSettingButtonEnabled(
        IsWindowEnabled(pane) != FALSE && currentOutputStates().csvAdditional,
        conversionSettings().additionalCsv);
    EnableWindow(GetDlgItem(pane, IDC_CSV_SETTING), enabled ? TRUE : FALSE);
}

// Controls that mean nothing for the chosen output are greyed; in a disabled pane all are.
void applyOutputStates(HWND pane, bool paneEnabled) {
    const OutputControlStates states = currentOutputStates();
    enableControl(pane, IDC_TIMESTAMP, states.timestamp);
    for (int column : {IDC_PRINT_CH, IDC_PRINT_ID, IDC_PRINT_MSG, IDC_PRINT_ENUM, IDC_PRINT_UNIT,
                       IDC_PRINT_RAW}) {
        enableControl(pane, column, states.columns);
    }
    enableControl(pane, IDC_DELIMITER, paneEnabled && states.delimiter);
    enableControl(pane, IDC_CSV_ADDITIONAL, paneEnabled && states.csvAdditional);
    enableControl(pane, IDC_TABLE_SHAPE, paneEnabled && states.table);
    enableControl(pane, IDC_RESAMPLE_PERIOD, paneEnabled && states.period);
    enableControl(pane, IDC_SIGNALS, paneEnabled && states.signals);
    enableControl(pane, IDC_OUTPUT_FORMAT, paneEnabled);
    enableControl(pane, IDC_OPEN_FOLDER, paneEnabled);
    enableCsvSettingButton(pane);
}

void fillOutputControls(HWND pane) {
    const settings::OutputSettings& output = shellState().output;
    fillChoiceList(
        pane, IDC_OUTPUT_FORMAT,
        {IDS_FORMAT_CSV, IDS_FORMAT_XLSX, IDS_FORMAT_ASC, IDS_FORMAT_BLF, IDS_FORMAT_CANDUMP},
        listIndexOfChoice(static_cast<int32_t>(output.format), 5));
    fillChoiceList(pane, IDC_TABLE_SHAPE,
                   {IDS_TABLE_LONG, IDS_TABLE_WIDE, IDS_TABLE_WIDE_HOLD, IDS_TABLE_RESAMPLED},
                   listIndexOfChoice(static_cast<int32_t>(output.table), 4));
    SendDlgItemMessageW(pane, IDC_RESAMPLE_PERIOD, EM_LIMITTEXT, kPeriodLimit, 0);
    const std::u16string period = periodEditText(output.resamplePeriod);
    SetDlgItemTextW(pane, IDC_RESAMPLE_PERIOD, reinterpret_cast<const wchar_t*>(period.c_str()));
    CheckDlgButton(pane, IDC_OPEN_FOLDER, output.openFolder ? BST_CHECKED : BST_UNCHECKED);
}

void storePeriod(HWND pane) {
    wchar_t text[kPeriodLimit + 1] = {};
    const int length = GetDlgItemTextW(pane, IDC_RESAMPLE_PERIOD, text, kPeriodLimit + 1);
    shellState().output.resamplePeriod = storedPeriod(
        std::u16string_view(reinterpret_cast<const char16_t*>(text), static_cast<size_t>(length)));
}

// A choice of a drop-down list with `count` entries, or `fallback` for none.
int32_t chosenIndex(HWND pane, int control, int32_t count, int32_t fallback) {
    const LRESULT index = SendDlgItemMessageW(pane, control, CB_GETCURSEL, 0, 0);
    return index >= 0 && index < count ? static_cast<int32_t>(index) : fallback;
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
    fillOutputControls(pane);
    applyOutputStates(pane, true);
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
        case IDC_OUTPUT_FORMAT:
            if (notification == CBN_SELCHANGE) {
                shellState().output.format =
                    static_cast<settings::OutputKind>(chosenIndex(pane, IDC_OUTPUT_FORMAT, 5, 0));
                applyOutputStates(pane, IsWindowEnabled(pane) != FALSE);
            }
            return TRUE;
        case IDC_TABLE_SHAPE:
            if (notification == CBN_SELCHANGE) {
                shellState().output.table =
                    static_cast<settings::TableShape>(chosenIndex(pane, IDC_TABLE_SHAPE, 4, 0));
                applyOutputStates(pane, IsWindowEnabled(pane) != FALSE);
            }
            return TRUE;
        case IDC_RESAMPLE_PERIOD:
            if (notification == EN_KILLFOCUS || notification == EN_CHANGE) storePeriod(pane);
            return TRUE;
        case IDC_SIGNALS:
            if (notification == BN_CLICKED) runSignalDialog(pane);
            return TRUE;
        case IDC_OPEN_FOLDER:
            if (notification == BN_CLICKED) {
                bool& open = shellState().output.openFolder;
                open = !open;
                showCheck(pane, IDC_OPEN_FOLDER, open);
            }
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

// The time and column controls keep their state: the disabled pane takes no input anyway.
INT_PTR onEnable(HWND pane, bool enabled) {
    applyOutputStates(pane, enabled);
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
        case WM_APP_OUTPUT_STATES:
            applyOutputStates(pane, IsWindowEnabled(pane) != FALSE);
            return TRUE;
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
