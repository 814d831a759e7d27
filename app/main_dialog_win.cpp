// clang-format off
#include "app/main_dialog_win.h"
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
// clang-format on

#include <filesystem>
#include <vector>

#include "app/command_line.h"
#include "app/conversion_job_win.h"
#include "app/conversion_setting_pane_win.h"
#include "app/dialog_controls_win.h"
#include "app/file_selection_pane_win.h"
#include "app/file_selection_rules.h"
#include "app/layout_win.h"
#include "app/main_dialog_rules.h"
#include "app/output_choice_rules.h"
#include "app/resources/resource_ids.h"
#include "app/resources_win.h"
#include "app/shell_state_win.h"
#include "app/window_messages.h"
#include "dbc/loader.h"

namespace app {

namespace {

struct WindowIcons {
    HICON big = nullptr;
    HICON small = nullptr;
};

WindowIcons g_icons;

HICON loadAppIcon(int size) {
    return static_cast<HICON>(
        LoadImageW(shellState().instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, size, size, 0));
}

void setIconsAndTitle(HWND dialog) {
    g_icons = {loadAppIcon(32), loadAppIcon(16)};
    SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(g_icons.big));
    SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(g_icons.small));
    wchar_t caption[kTitleCapacity] = {};
    GetWindowTextW(dialog, caption, static_cast<int>(kTitleCapacity));
    const std::wstring title =
        mainWindowTitle(caption, shellState().titleSuffix, loadResourceString(IDS_MAIN_TITLE));
    SetWindowTextW(dialog, title.c_str());
}

// The start and the stop button share one place; only one of them is visible at a time.
void layStopButtonOntoStart(HWND dialog) {
    const RECT start = rectInParent(GetDlgItem(dialog, IDC_START));
    SetWindowPos(GetDlgItem(dialog, IDC_STOP), nullptr, start.left, start.top,
                 start.right - start.left, start.bottom - start.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The CH2 database's check box, field and button as the choice of a database per channel says.
void showDatabaseChoice(HWND dialog) {
    const ShellState& state = shellState();
    const bool perChannel = state.output.dbcPerChannel;
    CheckDlgButton(dialog, IDC_DBC_PER_CHANNEL, perChannel ? BST_CHECKED : BST_UNCHECKED);
    const std::wstring shown =
        perChannel && state.dbcLoadedCh2 ? state.dbcPathCh2 : loadResourceString(IDS_UNSELECTED);
    SetDlgItemTextW(dialog, IDC_DBC_FILE_CH2, shown.c_str());
    EnableWindow(GetDlgItem(dialog, IDC_DBC_FILE_CH2), perChannel ? TRUE : FALSE);
    EnableWindow(GetDlgItem(dialog, IDC_DBC_BROWSE_CH2), perChannel ? TRUE : FALSE);
}

void refreshPaneStates() {
    HWND pane = shellState().conversionSettingPane;
    if (pane != nullptr) SendMessageW(pane, WM_APP_OUTPUT_STATES, 0, 0);
}

INT_PTR onInitDialog(HWND dialog) {
    ShellState& state = shellState();
    setIconsAndTitle(dialog);
    measureDialogMetrics(dialog);
    state.fileSelectionPane = createFileSelectionPane(dialog, GetDlgItem(dialog, IDC_FOLDER));
    state.conversionSettingPane = createConversionSettingPane(dialog);
    scaleToMessageFont(dialog);
    SetDlgItemTextW(dialog, IDC_DBC_FILE, loadResourceString(IDS_UNSELECTED).c_str());
    fillChoiceList(dialog, IDC_SIGNAL_LINE,
                   {IDS_SIGNAL_LINE_BOTH, IDS_SIGNAL_LINE_CH1, IDS_SIGNAL_LINE_CH2},
                   listIndexOfChoice(static_cast<int32_t>(conversionSettings().channels), 3));
    if (state.conversionSettingPane != nullptr) ShowWindow(state.conversionSettingPane, SW_SHOW);
    showDatabaseChoice(dialog);
    CheckDlgButton(
        dialog, IDC_LIST_CAN_LOGS,
        state.output.inputFiles == settings::InputFiles::kCanLogs ? BST_CHECKED : BST_UNCHECKED);
    DragAcceptFiles(dialog, TRUE);
    layStopButtonOntoStart(dialog);
    createConversionJobState();
    if (state.fileSelectionPane != nullptr) {
        SetFocus(GetDlgItem(state.fileSelectionPane, IDC_FILE_LIST));
    }
    return FALSE;
}

// The file the user picks in the open-file dialog, or empty when it was cancelled.
std::wstring askForDbcFile(HWND dialog, UINT titleId) {
    const std::wstring title = loadResourceString(titleId);
    static const wchar_t kFilter[] = L"DBC files(*.dbc)\0*.dbc\0";
    wchar_t file[kPathCapacity] = {};
    OPENFILENAMEW open{};
    open.lStructSize = sizeof(open);
    open.hwndOwner = dialog;
    open.lpstrFilter = kFilter;
    open.nFilterIndex = 1;
    open.lpstrFile = file;
    open.nMaxFile = static_cast<DWORD>(kPathCapacity);
    open.lpstrTitle = title.c_str();
    open.lpstrDefExt = L"dbc";
    open.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&open)) return {};
    return file;
}

// Loads a database with the load log its channel's choice names; true when it loaded.
bool loadDatabase(dbc::CanDatabase& database, const std::wstring& path, int channel) {
    dbc::LoadOptions options;
    options.logPath = loadLogName(shellState().output.dbcPerChannel, channel);
    return dbc::loadDbcFile(database, std::filesystem::path(path), options);
}

void onChooseDbcFile(HWND dialog) {
    const std::wstring path = askForDbcFile(dialog, IDS_SELECT_DBC_TITLE);
    if (path.empty()) return;
    ShellState& state = shellState();
    state.dbcLoaded = false;
    if (loadDatabase(*state.database, path, 0)) {
        state.dbcPath = path;
        state.dbcLoaded = true;
        SetDlgItemTextW(dialog, IDC_DBC_FILE, path.c_str());
    } else {
        SetDlgItemTextW(dialog, IDC_DBC_FILE, loadResourceString(IDS_UNSELECTED).c_str());
    }
    refreshPaneStates();
}

void onChooseDbcFileCh2(HWND dialog) {
    const std::wstring path = askForDbcFile(dialog, IDS_SELECT_DBC_CH2_TITLE);
    if (path.empty()) return;
    ShellState& state = shellState();
    state.dbcLoadedCh2 = loadDatabase(*state.databaseCh2, path, 1);
    state.dbcPathCh2 = state.dbcLoadedCh2 ? path : std::wstring();
    showDatabaseChoice(dialog);
    refreshPaneStates();
}

// CH1's database is loaded again so that its load log carries the name of the new choice.
void flipDatabasePerChannel(HWND dialog) {
    ShellState& state = shellState();
    state.output.dbcPerChannel = !state.output.dbcPerChannel;
    if (state.dbcLoaded) state.dbcLoaded = loadDatabase(*state.database, state.dbcPath, 0);
    if (!state.dbcLoaded) {
        SetDlgItemTextW(dialog, IDC_DBC_FILE, loadResourceString(IDS_UNSELECTED).c_str());
    }
    showDatabaseChoice(dialog);
    refreshPaneStates();
}

void flipCanLogListing() {
    ShellState& state = shellState();
    const bool canLogs = state.output.inputFiles != settings::InputFiles::kCanLogs;
    state.output.inputFiles =
        canLogs ? settings::InputFiles::kCanLogs : settings::InputFiles::kCaptures;
    listFolderAndSelect(state.fileSelectionPane, {});
}

void warn(HWND dialog, UINT textId) {
    wchar_t caption[128] = {};
    GetWindowTextW(dialog, caption, 128);
    MessageBoxW(dialog, loadResourceString(textId).c_str(), caption, MB_ICONWARNING | MB_OK);
}

void onStart(HWND dialog) {
    const ShellState& state = shellState();
    const settings::OutputSettings& output = state.output;
    const bool loaded = state.dbcLoaded || (output.dbcPerChannel && state.dbcLoadedCh2);
    if (outputNeedsDatabase(output.format) && !loaded) {
        warn(dialog, IDS_NO_DBC_FILE);
        return;
    }
    uint64_t period = 0;
    if (outputNeedsDatabase(output.format) && output.table == settings::TableShape::kResampled &&
        !periodFromEdit(periodEditText(output.resamplePeriod), period)) {
        warn(dialog, IDS_BAD_PERIOD);
        return;
    }
    startConversion(dialog);
}

// Dropped folders and files become the folder listed and the files selected.
void onDropFiles(HWND dialog, HDROP drop) {
    std::vector<DroppedItem> dropped;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, path.data(), length + 1));
        const DWORD attributes = GetFileAttributesW(path.c_str());
        dropped.push_back(
            {std::filesystem::path(path), attributes != INVALID_FILE_ATTRIBUTES &&
                                              (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    }
    DragFinish(drop);
    ShellState& state = shellState();
    if (conversionRunning() || state.fileSelectionPane == nullptr) return;
    const DropTarget target = dropTarget(dropped, state.fileFilter,
                                         state.output.inputFiles == settings::InputFiles::kCanLogs);
    if (target.folder.empty()) return;
    state.folder = target.folder.wstring();
    state.fileFilter = target.fileFilter;
    state.output.inputFiles =
        target.canLogs ? settings::InputFiles::kCanLogs : settings::InputFiles::kCaptures;
    CheckDlgButton(dialog, IDC_LIST_CAN_LOGS, target.canLogs ? BST_CHECKED : BST_UNCHECKED);
    listFolderAndSelect(state.fileSelectionPane, target.names);
}

INT_PTR onCommand(HWND dialog, WORD control, WORD notification) {
    switch (control) {
        case IDC_START:
            onStart(dialog);
            return TRUE;
        case IDC_STOP:
            stopConversion(dialog);
            return TRUE;
        case IDC_DBC_BROWSE:
            onChooseDbcFile(dialog);
            return TRUE;
        case IDC_DBC_BROWSE_CH2:
            onChooseDbcFileCh2(dialog);
            return TRUE;
        case IDC_DBC_PER_CHANNEL:
            if (notification == BN_CLICKED) flipDatabasePerChannel(dialog);
            return TRUE;
        case IDC_LIST_CAN_LOGS:
            if (notification == BN_CLICKED) {
                flipCanLogListing();
                CheckDlgButton(dialog, IDC_LIST_CAN_LOGS,
                               shellState().output.inputFiles == settings::InputFiles::kCanLogs
                                   ? BST_CHECKED
                                   : BST_UNCHECKED);
            }
            return TRUE;
        case IDC_FOLDER_BROWSE:
            if (shellState().fileSelectionPane != nullptr) {
                SendMessageW(shellState().fileSelectionPane, WM_COMMAND, IDC_FOLDER_BROWSE, 0);
            }
            return TRUE;
        case IDC_SIGNAL_LINE:
            if (notification == CBN_SELCHANGE) {
                const LRESULT index =
                    SendDlgItemMessageW(dialog, IDC_SIGNAL_LINE, CB_GETCURSEL, 0, 0);
                conversionSettings().channels = channelsFromListIndex(index);
            }
            return TRUE;
        default:
            // Esc (IDCANCEL) among them: only closing the window ends the dialog.
            return FALSE;
    }
}

INT_PTR onCounts(HWND dialog, LPARAM selected) {
    EnableWindow(GetDlgItem(dialog, IDC_START), selected != 0 ? TRUE : FALSE);
    return TRUE;
}

INT_PTR onProgress(HWND dialog, WPARAM position) {
    SendDlgItemMessageW(dialog, IDC_PROGRESS, PBM_SETPOS, position, 0);
    return TRUE;
}

INT_PTR onDone(HWND dialog, WPARAM result) {
    if (finishConversion(static_cast<int32_t>(static_cast<uint32_t>(result)), dialog))
        EndDialog(dialog, 0);
    return TRUE;
}

// A running worker finishes its current file before anything it uses is torn down; the window
// keeps answering meanwhile and ends on the worker's end message.
INT_PTR onClose(HWND dialog) {
    if (!stopConversionToClose(dialog)) EndDialog(dialog, 0);
    return TRUE;
}

INT_PTR onDestroy() {
    destroyConversionJobState();
    ShellState& state = shellState();
    state.fileSelectionPane = nullptr;
    state.conversionSettingPane = nullptr;
    if (g_icons.big != nullptr) DestroyIcon(g_icons.big);
    if (g_icons.small != nullptr) DestroyIcon(g_icons.small);
    g_icons = {};
    return FALSE;
}

}  // namespace

INT_PTR CALLBACK mainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return onInitDialog(dialog);
        case WM_COMMAND:
            return onCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        case WM_CLOSE:
            return onClose(dialog);
        case WM_DESTROY:
            return onDestroy();
        case WM_APP_COUNTS:
            return onCounts(dialog, lParam);
        case WM_APP_PROGRESS:
            return onProgress(dialog, wParam);
        case WM_APP_DONE:
            return onDone(dialog, wParam);
        case WM_DROPFILES:
            onDropFiles(dialog, reinterpret_cast<HDROP>(wParam));
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace app
