// The other Windows headers need the types of windows.h, so it comes first.
// clang-format off
#include "app/file_selection_pane_win.h"
#include <commctrl.h>
#include <shlobj.h>
#include <shlwapi.h>
// clang-format on

#include <string>

#include "app/command_line.h"
#include "app/dialog_controls_win.h"
#include "app/file_listing_win.h"
#include "app/file_selection_rules.h"
#include "app/main_dialog_rules.h"
#include "app/resources/resource_ids.h"
#include "app/resources_win.h"
#include "app/shell_state_win.h"
#include "app/window_messages.h"

namespace app {

namespace {

HWND g_folderDisplay = nullptr;

HWND fileList(HWND pane) { return GetDlgItem(pane, IDC_FILE_LIST); }

LRESULT itemCount(HWND pane) { return SendMessageW(fileList(pane), LVM_GETITEMCOUNT, 0, 0); }
LRESULT selectedCount(HWND pane) {
    return SendMessageW(fileList(pane), LVM_GETSELECTEDCOUNT, 0, 0);
}

void reportCounts(HWND pane) {
    SendMessageW(pane, WM_APP_COUNTS, static_cast<WPARAM>(itemCount(pane)), selectedCount(pane));
}

void enableControl(HWND pane, int control, bool enabled) {
    EnableWindow(GetDlgItem(pane, control), enabled ? TRUE : FALSE);
}

void setSelectionButtons(HWND pane, const SelectionButtons& buttons) {
    enableControl(pane, IDC_SELECT_ALL, buttons.selectAll);
    enableControl(pane, IDC_SELECT_NONE, buttons.selectNone);
    enableControl(pane, IDC_SELECT_INVERSE, buttons.selectInverse);
}

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
    HWND list = fileList(pane);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP | LVS_EX_DOUBLEBUFFER);
    RECT client{};
    GetClientRect(list, &client);
    const FileColumnWidths widths =
        fileColumnWidths(static_cast<int32_t>(client.right), GetSystemMetrics(SM_CXVSCROLL));
    addColumn(list, 0, IDS_COLUMN_NAME, widths.name, LVCFMT_LEFT);
    addColumn(list, 1, IDS_COLUMN_DATE, widths.date, LVCFMT_LEFT);
    addColumn(list, 2, IDS_COLUMN_SIZE, widths.size, LVCFMT_RIGHT);
}

void makeListing(HWND pane) {
    const ShellState& state = shellState();
    HWND list = fileList(pane);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    SendMessageW(pane, WM_APP_COUNTS, 0, 0);
    fillFileList(list, state.folder, state.fileFilter,
                 state.output.inputFiles == settings::InputFiles::kCanLogs);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(list, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    reportCounts(pane);
}

// Sets, clears or flips the selected flag of every row.
enum class SelectionChange { all, none, inverse };

void changeSelection(HWND pane, SelectionChange change) {
    HWND list = fileList(pane);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    const int count = static_cast<int>(itemCount(pane));
    for (int item = 0; item < count; ++item) {
        bool selected = change == SelectionChange::all;
        if (change == SelectionChange::inverse) {
            selected =
                SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(item), LVIS_SELECTED) == 0;
        }
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED;
        state.state = selected ? LVIS_SELECTED : 0;
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item),
                     reinterpret_cast<LPARAM>(&state));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(list, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    SetFocus(list);
    reportCounts(pane);
}

// The browser opens on the folder shown now.
int CALLBACK browseCallback(HWND browser, UINT message, LPARAM, LPARAM) {
    if (message == BFFM_INITIALIZED) {
        SendMessageW(browser, BFFM_SETSELECTIONW, TRUE,
                     reinterpret_cast<LPARAM>(shellState().folder.c_str()));
    }
    return 0;
}

// True when the user chose a folder whose path could be read; `folder` then holds it.
bool browseForFolder(HWND pane, IMalloc* allocator, std::wstring& folder) {
    const std::wstring title = loadResourceString(IDS_FOLDER_BROWSE_TITLE);
    BROWSEINFOW browse{};
    browse.hwndOwner = pane;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_VALIDATE | BIF_NEWDIALOGSTYLE |
                     BIF_NONEWFOLDERBUTTON;
    browse.lpfn = browseCallback;
    LPITEMIDLIST chosen = SHBrowseForFolderW(&browse);
    if (chosen == nullptr) return false;
    wchar_t path[kPathCapacity] = {};
    const bool found = SHGetPathFromIDListW(chosen, path) != FALSE;
    allocator->Free(chosen);
    if (found) folder = path;
    return found;
}

void onBrowseFolder(HWND pane) {
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator)) || allocator == nullptr) return;
    std::wstring folder;
    const bool changed = browseForFolder(pane, allocator, folder);
    allocator->Release();
    if (changed) {
        shellState().folder = folder;
        SetWindowTextW(g_folderDisplay, folder.c_str());
        makeListing(pane);
    }
    SetFocus(fileList(pane));
}

void onFilterChanged(HWND pane) {
    const LRESULT index = SendDlgItemMessageW(pane, IDC_FILE_FILTER, CB_GETCURSEL, 0, 0);
    const int32_t filter = fileFilterFromListIndex(index);
    if (filter == shellState().fileFilter) return;
    shellState().fileFilter = filter;
    makeListing(pane);
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
    HWND list = fileList(pane);
    const LONG_PTR style = GetWindowLongPtrW(list, GWL_STYLE);
    SetWindowLongPtrW(list, GWL_STYLE, style & ~static_cast<LONG_PTR>(LVS_NOCOLUMNHEADER));
    makeListing(pane);
    return TRUE;
}

INT_PTR onCommand(HWND pane, WORD control, WORD notification) {
    switch (control) {
        case IDC_SELECT_ALL:
            changeSelection(pane, SelectionChange::all);
            return TRUE;
        case IDC_SELECT_NONE:
            changeSelection(pane, SelectionChange::none);
            return TRUE;
        case IDC_SELECT_INVERSE:
            changeSelection(pane, SelectionChange::inverse);
            return TRUE;
        case IDC_REFRESH:
            makeListing(pane);
            SetFocus(fileList(pane));
            return TRUE;
        case IDC_FOLDER_BROWSE:
            onBrowseFolder(pane);
            return TRUE;
        case IDC_FILE_FILTER:
            if (notification == CBN_SELCHANGE) onFilterChanged(pane);
            return TRUE;
        default:
            return FALSE;
    }
}

INT_PTR onNotify(HWND pane, const NMHDR* header) {
    if (header->idFrom == IDC_FILE_LIST && header->code == LVN_ITEMCHANGED) reportCounts(pane);
    return FALSE;
}

INT_PTR onCounts(HWND pane, WPARAM items, LPARAM selected) {
    if (IsWindowEnabled(pane)) {
        setSelectionButtons(pane, selectionButtonStates(static_cast<int64_t>(items),
                                                        static_cast<int64_t>(selected)));
    }
    SendMessageW(GetParent(pane), WM_APP_COUNTS, items, selected);
    return TRUE;
}

INT_PTR onEnable(HWND pane, bool enabled) {
    enableControl(pane, IDC_FILE_FILTER, enabled);
    enableControl(pane, IDC_REFRESH, enabled);
    setSelectionButtons(pane, enabled ? selectionButtonStates(itemCount(pane), selectedCount(pane))
                                      : SelectionButtons{});
    return TRUE;
}

INT_PTR CALLBACK fileSelectionPaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return onInitDialog(pane);
        case WM_APP_PANE_READY:
            return onPaneReady(pane);
        case WM_COMMAND:
            return onCommand(pane, LOWORD(wParam), HIWORD(wParam));
        case WM_NOTIFY:
            return onNotify(pane, reinterpret_cast<const NMHDR*>(lParam));
        case WM_APP_COUNTS:
            return onCounts(pane, wParam, lParam);
        case WM_ENABLE:
            return onEnable(pane, wParam != FALSE);
        default:
            return FALSE;
    }
}

std::wstring folderDisplayText() {
    const int length = GetWindowTextLengthW(g_folderDisplay);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(
        GetWindowTextW(g_folderDisplay, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The folder and the name joined as the shell joins them; a path too long for that is joined
// plainly, and the job then refuses it instead of converting some other file.
std::filesystem::path joinedPath(const std::wstring& folder, const std::wstring& name) {
    wchar_t joined[kPathCapacity] = {};
    if (folder.size() < kPathCapacity) {
        folder.copy(joined, folder.size());
        if (PathAppendW(joined, name.c_str())) return std::filesystem::path(joined);
    }
    return std::filesystem::path(folder) / name;
}

}  // namespace

HWND createFileSelectionPane(HWND mainDialog, HWND folderDisplay) {
    g_folderDisplay = folderDisplay;
    HWND pane = createResourceDialog(IDD_FILE_PANE, mainDialog, fileSelectionPaneProc);
    placeAtPlaceholder(mainDialog, pane, IDC_FSBASE);
    return pane;
}

std::vector<std::filesystem::path> selectedFilePaths(HWND pane) {
    std::vector<std::filesystem::path> paths;
    if (pane == nullptr || fileList(pane) == nullptr) return paths;
    const std::wstring folder = folderDisplayText();
    HWND list = fileList(pane);
    LRESULT item = -1;
    while ((item = SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(item), LVNI_SELECTED)) >=
           0) {
        paths.push_back(joinedPath(folder, fileListItemText(list, static_cast<int>(item))));
    }
    return paths;
}

void listFolderAndSelect(HWND pane, const std::vector<std::wstring>& names) {
    if (pane == nullptr) return;
    SetWindowTextW(g_folderDisplay, shellState().folder.c_str());
    SendDlgItemMessageW(pane, IDC_FILE_FILTER, CB_SETCURSEL,
                        static_cast<WPARAM>(listIndexOfChoice(shellState().fileFilter, 2)), 0);
    makeListing(pane);
    HWND list = fileList(pane);
    const int count = static_cast<int>(itemCount(pane));
    for (int item = 0; item < count; ++item) {
        const std::wstring text = fileListItemText(list, item);
        bool named = false;
        for (const std::wstring& name : names)
            named = named || lstrcmpiW(name.c_str(), text.c_str()) == 0;
        if (!named) continue;
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED;
        state.state = LVIS_SELECTED;
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item),
                     reinterpret_cast<LPARAM>(&state));
    }
    SetFocus(list);
    reportCounts(pane);
}

}  // namespace app
