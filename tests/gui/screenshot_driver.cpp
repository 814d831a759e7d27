// Puts the running txtcvt.exe into the state a screenshot shows: "select-all" selects every
// listed file; "csv-dialog" ticks "Additional setting" and opens the CSV dialog; "outputs FILE"
// loads the DBC file, selects every file and chooses a resampled workbook and a database per
// channel; "signals FILE" loads the DBC file and opens the "Signals..." dialog. Clicks, texts and
// choices only, since they are the messages that cross from one process to another. Exit code
// 0 when done. For the test of the release zip: "convert" selects every file, presses Start and
// waits for the end of the job (1 when a message box ends it); "close" closes the window.
#include <windows.h>

#include <cwchar>

#include "app/resources/resource_ids.h"

namespace {

BOOL CALLBACK findDialog(HWND window, LPARAM parameter) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (IsWindowVisible(window) && std::wcscmp(className, L"#32770") == 0) {
        *reinterpret_cast<HWND*>(parameter) = window;
        return FALSE;
    }
    return TRUE;
}

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK findControl(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<ControlSearch*>(parameter);
    if (GetDlgCtrlID(window) == search->id) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND control(HWND main, int id) {
    ControlSearch search{id, nullptr};
    EnumChildWindows(main, findControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A dialog other than `main` owned by it, waited for up to a minute.
struct OwnedSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK findOwnedDialog(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<OwnedSearch*>(parameter);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (IsWindowVisible(window) && std::wcscmp(className, L"#32770") == 0 &&
        GetWindow(window, GW_OWNER) == search->owner) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND waitForOwnedDialog(HWND main) {
    for (int attempt = 0; attempt < 600; ++attempt) {
        OwnedSearch search{main, nullptr};
        EnumWindows(findOwnedDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) return search.found;
        Sleep(100);
    }
    return nullptr;
}

// Picks `file` in the open-file dialog of the DBC button and waits until it has closed.
bool chooseDbcFile(HWND main, const wchar_t* file) {
    PostMessageW(control(main, IDC_DBC_BROWSE), BM_CLICK, 0, 0);
    HWND open = waitForOwnedDialog(main);
    if (open == nullptr) return false;
    HWND name = GetDlgItem(open, 0x47C);
    if (name == nullptr) name = GetDlgItem(open, 0x480);
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file));
    PostMessageW(open, WM_COMMAND, IDOK, 0);
    for (int attempt = 0; attempt < 600 && IsWindow(open); ++attempt) Sleep(100);
    return !IsWindow(open);
}

void choose(HWND main, int id, int index) {
    HWND combo = control(main, id);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

HWND waitForMainDialog() {
    for (int attempt = 0; attempt < 600; ++attempt) {
        HWND found = nullptr;
        EnumWindows(findDialog, reinterpret_cast<LPARAM>(&found));
        if (found != nullptr) return found;
        Sleep(100);
    }
    return nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2 && argc != 3) return 2;
    HWND main = waitForMainDialog();
    if (main == nullptr) return 1;
    if (std::wcscmp(argv[1], L"select-all") == 0) {
        SendMessageW(control(main, IDC_SELECT_ALL), BM_CLICK, 0, 0);
        return 0;
    }
    if (std::wcscmp(argv[1], L"csv-dialog") == 0) {
        SendMessageW(control(main, IDC_CSV_ADDITIONAL), BM_CLICK, 0, 0);
        PostMessageW(control(main, IDC_CSV_SETTING), BM_CLICK, 0, 0);
        return 0;
    }
    if (std::wcscmp(argv[1], L"convert") == 0) {
        SendMessageW(control(main, IDC_SELECT_ALL), BM_CLICK, 0, 0);
        HWND start = control(main, IDC_START);
        PostMessageW(start, BM_CLICK, 0, 0);
        // The job has begun once Start is hidden, and has ended once it is back.
        for (int attempt = 0; attempt < 100 && IsWindowVisible(start); ++attempt) Sleep(50);
        for (int attempt = 0; attempt < 1200 && !IsWindowVisible(start); ++attempt) Sleep(100);
        Sleep(500);
        OwnedSearch search{main, nullptr};
        EnumWindows(findOwnedDialog, reinterpret_cast<LPARAM>(&search));
        return IsWindowVisible(start) && search.found == nullptr ? 0 : 1;
    }
    if (std::wcscmp(argv[1], L"close") == 0) {
        PostMessageW(main, WM_CLOSE, 0, 0);
        for (int attempt = 0; attempt < 600 && IsWindow(main); ++attempt) Sleep(100);
        return IsWindow(main) ? 1 : 0;
    }
    if (std::wcscmp(argv[1], L"outputs") == 0 && argc == 3) {
        if (!chooseDbcFile(main, argv[2])) return 1;
        SendMessageW(control(main, IDC_SELECT_ALL), BM_CLICK, 0, 0);
        choose(main, IDC_OUTPUT_FORMAT, 1);
        choose(main, IDC_TABLE_SHAPE, 3);
        SendMessageW(control(main, IDC_DBC_PER_CHANNEL), BM_CLICK, 0, 0);
        return 0;
    }
    if (std::wcscmp(argv[1], L"signals") == 0 && argc == 3) {
        if (!chooseDbcFile(main, argv[2])) return 1;
        HWND button = control(main, IDC_SIGNALS);
        PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(IDC_SIGNALS, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
        return waitForOwnedDialog(main) != nullptr ? 0 : 1;
    }
    return 2;
}
