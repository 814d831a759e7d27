// Puts the running txtcvt.exe into the state a screenshot shows: "select-all" selects every
// listed file; "csv-dialog" ticks "Additional setting" and opens the CSV dialog. Clicks only,
// since they are the messages that cross from one process to another. Exit code 0 when done.
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
    if (argc != 2) return 2;
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
    return 2;
}
