#include "tests/gui/running_program.h"

#include <algorithm>

namespace gui_testing {

namespace {

constexpr DWORD kStartTimeoutMs = 60000;
constexpr UINT kMessageTimeoutMs = 10000;

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK findMainDialog(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (owner == search->processId && IsWindowVisible(window) &&
        std::wstring(className) == L"#32770") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK collectText(HWND window, LPARAM parameter) {
    reinterpret_cast<std::vector<std::wstring>*>(parameter)->push_back(windowText(window));
    return TRUE;
}

LRESULT sendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                             &result)) {
        return -1;
    }
    return static_cast<LRESULT>(result);
}

}  // namespace

std::wstring programPath() {
    std::wstring path = L"Z:" TXTCVT_EXE_PATH;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

RunningProgram::RunningProgram(const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + programPath() + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
        ended_ = true;
        return;
    }
    WaitForInputIdle(process_.hProcess, kStartTimeoutMs);
    for (DWORD waited = 0; waited < kStartTimeoutMs && mainWindow_ == nullptr; waited += 100) {
        WindowSearch search{process_.dwProcessId, nullptr};
        EnumWindows(findMainDialog, reinterpret_cast<LPARAM>(&search));
        mainWindow_ = search.found;
        if (mainWindow_ == nullptr) Sleep(100);
    }
}

RunningProgram::~RunningProgram() {
    if (!ended_) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, kStartTimeoutMs);
    }
    if (process_.hProcess != nullptr) CloseHandle(process_.hProcess);
    if (process_.hThread != nullptr) CloseHandle(process_.hThread);
}

int RunningProgram::close() {
    if (ended_) return -999;
    if (mainWindow_ != nullptr) PostMessageW(mainWindow_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, kStartTimeoutMs) != WAIT_OBJECT_0) return -999;
    ended_ = true;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<int>(code);
}

std::wstring windowText(HWND window) {
    const LRESULT length = sendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied =
        sendWithTimeout(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

std::vector<std::wstring> comboItems(HWND combo) {
    std::vector<std::wstring> items;
    const LRESULT count = sendWithTimeout(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = sendWithTimeout(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring text(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
        const LRESULT copied = sendWithTimeout(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                                               reinterpret_cast<LPARAM>(text.data()));
        text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
        items.push_back(text);
    }
    return items;
}

HWND paneHolding(HWND dialog, int controlId) {
    for (HWND pane = FindWindowExW(dialog, nullptr, L"#32770", nullptr); pane != nullptr;
         pane = FindWindowExW(dialog, pane, L"#32770", nullptr)) {
        if (GetDlgItem(pane, controlId) != nullptr) return pane;
    }
    return nullptr;
}

std::vector<std::wstring> descendantTexts(HWND dialog) {
    std::vector<std::wstring> texts;
    EnumChildWindows(dialog, collectText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

}  // namespace gui_testing
