#include "app/file_selection_pane_win.h"

#include <commctrl.h>

#include "app/dialog_controls_win.h"
#include "app/main_dialog_rules.h"
#include "app/resources/resource_ids.h"
#include "app/resources_win.h"
#include "app/shell_state_win.h"
#include "app/window_messages.h"

namespace app {

namespace {

HWND g_folderDisplay = nullptr;

void addColumn(HWND list, int index, UINT titleId, int width, int format) {
    std::wstring title = loadResourceString(titleId);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    column.fmt = format;
    column.cx = width;
    column.pszText = title.data();
    column.iSubItem = index;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&column));
}

// Column widths are fixed here, before the main dialog scales its contents.
void setUpFileList(HWND pane) {
    HWND list = GetDlgItem(pane, IDC_FILE_LIST);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP | LVS_EX_DOUBLEBUFFER);
    RECT client{};
    GetClientRect(list, &client);
    const int usable = client.right - (GetSystemMetrics(SM_CXVSCROLL) + 8);
    const int nameWidth = (usable * 38 + 50) / 100;
    const int dateWidth = (usable * 41 + 50) / 100;
    addColumn(list, 0, IDS_COLUMN_NAME, nameWidth, LVCFMT_LEFT);
    addColumn(list, 1, IDS_COLUMN_DATE, dateWidth, LVCFMT_LEFT);
    addColumn(list, 2, IDS_COLUMN_SIZE, usable - nameWidth - dateWidth, LVCFMT_RIGHT);
}

INT_PTR onInitDialog(HWND pane) {
    const ShellState& state = shellState();
    fillChoiceList(pane, IDC_FILE_FILTER, {IDS_FILTER_DATA_FILES, IDS_FILTER_AUTO_SAVE},
                   listIndexOfChoice(state.fileFilter, 2));
    setUpFileList(pane);
    SetWindowTextW(g_folderDisplay, state.folder.c_str());
    PostMessageW(pane, WM_APP_PANE_READY, 0, 0);
    return FALSE;
}

// Runs once the dialogs are built: the header appears only now that the columns exist.
INT_PTR onPaneReady(HWND pane) {
    HWND list = GetDlgItem(pane, IDC_FILE_LIST);
    const LONG_PTR style = GetWindowLongPtrW(list, GWL_STYLE);
    SetWindowLongPtrW(list, GWL_STYLE, style & ~static_cast<LONG_PTR>(LVS_NOCOLUMNHEADER));
    SendMessageW(pane, WM_APP_COUNTS, 0, 0);
    return TRUE;
}

INT_PTR onCounts(HWND pane, WPARAM items, LPARAM selected) {
    SendMessageW(GetParent(pane), WM_APP_COUNTS, items, selected);
    return TRUE;
}

INT_PTR CALLBACK fileSelectionPaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return onInitDialog(pane);
        case WM_APP_PANE_READY:
            return onPaneReady(pane);
        case WM_APP_COUNTS:
            return onCounts(pane, wParam, lParam);
        default:
            return FALSE;
    }
}

}  // namespace

HWND createFileSelectionPane(HWND mainDialog, HWND folderDisplay) {
    g_folderDisplay = folderDisplay;
    HWND pane = createResourceDialog(IDD_FILE_PANE, mainDialog, fileSelectionPaneProc);
    placeAtPlaceholder(mainDialog, pane, IDC_FSBASE);
    return pane;
}

}  // namespace app
