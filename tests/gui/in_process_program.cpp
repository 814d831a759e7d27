// clang-format off
#include "tests/gui/in_process_program.h"
#include <commctrl.h>
// clang-format on

#include <utility>

#include "app/startup_win.h"
#include "app/window_messages.h"

namespace gui_testing {

namespace {

struct FoundWindow {
    HWND owner;
    HWND found;
};

bool isVisibleDialog(HWND window) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    return IsWindowVisible(window) && std::wstring(className) == L"#32770";
}

BOOL CALLBACK findOwned(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<FoundWindow*>(parameter);
    if (isVisibleDialog(window) && GetWindow(window, GW_OWNER) == search->owner) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK collectText(HWND window, LPARAM parameter) {
    reinterpret_cast<std::vector<std::wstring>*>(parameter)->push_back(windowText(window));
    return TRUE;
}

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK findById(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<ControlSearch*>(parameter);
    if (GetDlgCtrlID(window) == search->id) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The recorder's state: one recorder at a time, touched by the hook on the program's thread.
struct RecorderState {
    std::mutex lock;
    std::vector<int32_t> progress;
    std::vector<int32_t> results;
    int32_t actionPosition = -1;
    std::function<void()> action;
};

RecorderState& recorderState() {
    static RecorderState state;
    return state;
}

}  // namespace

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

InProcessProgram::InProcessProgram(const std::wstring& arguments) {
    const std::wstring commandLine = L"txtcvt.exe " + arguments;
    thread_ = std::thread([this, commandLine] {
        threadId_.store(GetCurrentThreadId());
        exitCode_ = app::runProgram(GetModuleHandleW(nullptr), commandLine.c_str());
        ended_.store(true);
    });
    waitUntil([this] {
        if (ended_.load()) return true;
        FoundWindow search{nullptr, nullptr};
        EnumThreadWindows(threadId_.load(), findOwned, reinterpret_cast<LPARAM>(&search));
        mainWindow_ = search.found;
        return mainWindow_ != nullptr;
    });
}

InProcessProgram::~InProcessProgram() { close(); }

int InProcessProgram::close() {
    if (!thread_.joinable()) return exitCode_;
    if (mainWindow_ != nullptr) PostMessageW(mainWindow_, WM_CLOSE, 0, 0);
    thread_.join();
    return exitCode_;
}

HWND InProcessProgram::ownedDialog() const {
    FoundWindow search{mainWindow_, nullptr};
    EnumThreadWindows(threadId_.load(), findOwned, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND InProcessProgram::waitForOwnedDialog() const {
    HWND found = nullptr;
    waitUntil([&] { return (found = ownedDialog()) != nullptr; });
    return found;
}

JobMessageRecorder::JobMessageRecorder(DWORD threadId) {
    RecorderState& state = recorderState();
    {
        std::lock_guard<std::mutex> guard(state.lock);
        state.progress.clear();
        state.results.clear();
        state.actionPosition = -1;
        state.action = nullptr;
    }
    hook_ = SetWindowsHookExW(WH_GETMESSAGE, hook, nullptr, threadId);
}

JobMessageRecorder::~JobMessageRecorder() {
    if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
}

void JobMessageRecorder::onProgress(int32_t position, std::function<void()> action) {
    RecorderState& state = recorderState();
    std::lock_guard<std::mutex> guard(state.lock);
    state.actionPosition = position;
    state.action = std::move(action);
}

std::vector<int32_t> JobMessageRecorder::progress() const {
    std::lock_guard<std::mutex> guard(recorderState().lock);
    return recorderState().progress;
}

std::vector<int32_t> JobMessageRecorder::results() const {
    std::lock_guard<std::mutex> guard(recorderState().lock);
    return recorderState().results;
}

LRESULT CALLBACK JobMessageRecorder::hook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        RecorderState& state = recorderState();
        std::function<void()> action;
        {
            std::lock_guard<std::mutex> guard(state.lock);
            const auto value = static_cast<int32_t>(static_cast<uint32_t>(message->wParam));
            if (message->message == app::WM_APP_PROGRESS) {
                state.progress.push_back(value);
                if (value == state.actionPosition) action = std::move(state.action);
            } else if (message->message == app::WM_APP_DONE) {
                state.results.push_back(value);
            }
        }
        if (action) action();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<std::wstring> childTexts(HWND window) {
    std::vector<std::wstring> texts;
    EnumChildWindows(window, collectText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

HWND findControl(HWND dialog, int controlId) {
    ControlSearch search{controlId, nullptr};
    EnumChildWindows(dialog, findById, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<std::wstring> listColumn(HWND list, int column) {
    std::vector<std::wstring> texts;
    const auto count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        wchar_t text[260] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = 260;
        SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        texts.emplace_back(text);
    }
    return texts;
}

std::vector<int> selectedRows(HWND list) {
    std::vector<int> rows;
    const auto count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        if (SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) != 0) {
            rows.push_back(row);
        }
    }
    return rows;
}

void setRowSelected(HWND list, int row, bool selected) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED;
    item.state = selected ? LVIS_SELECTED : 0;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void chooseListEntry(HWND combo, int index) {
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(GetParent(combo), WM_COMMAND,
                 MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(combo)), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

}  // namespace gui_testing
