// clang-format off
#include "app/signal_dialog_win.h"
#include <commctrl.h>
// clang-format on

#include <memory>
#include <string>
#include <vector>

#include "app/dialog_controls_win.h"
#include "app/finish_report.h"
#include "app/layout_win.h"
#include "app/resources/resource_ids.h"
#include "app/resources_win.h"
#include "app/shell_state_win.h"
#include "app/signal_choice.h"
#include "platform/text_encoding.h"

namespace app {

namespace {

struct DialogState {
    std::unique_ptr<SignalChoice> choice;
    std::vector<size_t> shown;
    bool filling = false;  // the list is being rebuilt: its notifications are the program's own
};

DialogState g_dialog;

std::wstring wide(const std::string& utf8) {
    const std::u16string text = platform::utf8ToUtf16(utf8);
    return {text.begin(), text.end()};
}

HWND signalList(HWND dialog) { return GetDlgItem(dialog, IDC_SIGNAL_LIST); }

void addColumn(HWND list, int index, UINT titleId, int width) {
    std::wstring title = loadResourceString(titleId);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.cx = width;
    column.pszText = title.data();
    column.iSubItem = index;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&column));
}

void showCount(HWND dialog) {
    const std::wstring pattern = loadResourceString(IDS_SIGNAL_COUNT);
    const std::u16string text =
        fillPlaceholders(std::u16string(pattern.begin(), pattern.end()),
                         {platform::utf8ToUtf16(std::to_string(g_dialog.choice->chosenCount())),
                          platform::utf8ToUtf16(std::to_string(g_dialog.choice->rows().size()))});
    SetDlgItemTextW(dialog, IDC_SIGNAL_COUNT, reinterpret_cast<const wchar_t*>(text.c_str()));
    // Nothing chosen would convert nothing: OK waits for a signal.
    EnableWindow(GetDlgItem(dialog, IDOK), g_dialog.choice->chosenCount() != 0 ? TRUE : FALSE);
}

void setRowCheck(HWND list, int item, bool checked) {
    LVITEMW state{};
    state.stateMask = LVIS_STATEIMAGEMASK;
    state.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item),
                 reinterpret_cast<LPARAM>(&state));
}

void fillList(HWND dialog) {
    wchar_t filter[256] = {};
    GetDlgItemTextW(dialog, IDC_SIGNAL_FILTER, filter, 256);
    const std::u16string filterText(reinterpret_cast<const char16_t*>(filter));
    g_dialog.shown = g_dialog.choice->shownRows(platform::utf16ToUtf8(filterText));
    HWND list = signalList(dialog);
    g_dialog.filling = true;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    int item = 0;
    for (size_t index : g_dialog.shown) {
        const SignalRow& row = g_dialog.choice->rows()[index];
        std::wstring message = wide(row.message);
        std::wstring signal = wide(row.signal);
        LVITEMW entry{};
        entry.mask = LVIF_TEXT | LVIF_PARAM;
        entry.iItem = item;
        entry.pszText = message.data();
        entry.lParam = static_cast<LPARAM>(index);
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&entry));
        LVITEMW second{};
        second.iSubItem = 1;
        second.pszText = signal.data();
        SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(item),
                     reinterpret_cast<LPARAM>(&second));
        setRowCheck(list, item, row.chosen);
        ++item;
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    g_dialog.filling = false;
    showCount(dialog);
}

INT_PTR onInitDialog(HWND dialog) {
    scaleToMessageFont(dialog);
    HWND list = signalList(dialog);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    RECT client{};
    GetClientRect(list, &client);
    const int usable = static_cast<int>(client.right) - GetSystemMetrics(SM_CXVSCROLL) - 4;
    addColumn(list, 0, IDS_SIGNAL_COLUMN_MESSAGE, usable / 2);
    addColumn(list, 1, IDS_SIGNAL_COLUMN_SIGNAL, usable - usable / 2);
    fillList(dialog);
    centreOnOwner(dialog);
    return TRUE;
}

INT_PTR onNotify(HWND dialog, const NMHDR* header) {
    if (header->idFrom != IDC_SIGNAL_LIST || header->code != LVN_ITEMCHANGED || g_dialog.filling) {
        return FALSE;
    }
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
    if ((change->uChanged & LVIF_STATE) == 0 ||
        ((change->uNewState ^ change->uOldState) & LVIS_STATEIMAGEMASK) == 0 ||
        (change->uNewState & LVIS_STATEIMAGEMASK) == 0) {
        return FALSE;
    }
    const bool checked = (change->uNewState & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
    g_dialog.choice->setChosen(static_cast<size_t>(change->lParam), checked);
    showCount(dialog);
    return TRUE;
}

void chooseShown(HWND dialog, bool chosen) {
    g_dialog.choice->chooseAll(g_dialog.shown, chosen);
    fillList(dialog);
}

INT_PTR onCommand(HWND dialog, WORD control, WORD notification) {
    switch (control) {
        case IDC_SIGNAL_FILTER:
            if (notification == EN_CHANGE) fillList(dialog);
            return TRUE;
        case IDC_SIGNAL_ALL:
            chooseShown(dialog, true);
            return TRUE;
        case IDC_SIGNAL_NONE:
            chooseShown(dialog, false);
            return TRUE;
        case IDOK:
            if (g_dialog.choice->chosenCount() != 0) EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK signalDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return onInitDialog(dialog);
        case WM_COMMAND:
            return onCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        case WM_NOTIFY:
            return onNotify(dialog, reinterpret_cast<const NMHDR*>(lParam));
        default:
            return FALSE;
    }
}

}  // namespace

bool runSignalDialog(HWND owner) {
    ShellState& state = shellState();
    const bool ch1 = state.dbcLoaded;
    if (!ch1 && !(state.output.dbcPerChannel && state.dbcLoadedCh2)) return false;
    const dbc::CanDatabase& database = ch1 ? *state.database : *state.databaseCh2;
    const std::wstring& path = ch1 ? state.dbcPath : state.dbcPathCh2;
    const std::u16string pathText(path.begin(), path.end());
    const std::u16string stored =
        state.output.signalsDatabase == pathText ? state.output.signals : std::u16string();
    g_dialog = DialogState{};
    g_dialog.choice = std::make_unique<SignalChoice>(database, stored);
    const INT_PTR ended = runResourceDialog(IDD_SIGNALS, owner, signalDialogProc);
    if (ended == IDOK) {
        state.output.signals = g_dialog.choice->storedList();
        state.output.signalsDatabase = state.output.signals.empty() ? std::u16string() : pathText;
    }
    g_dialog = DialogState{};
    return ended == IDOK;
}

}  // namespace app
