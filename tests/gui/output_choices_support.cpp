// clang-format off
#include "tests/gui/output_choices_support.h"
#include <commctrl.h>
// clang-format on

#include <algorithm>

#include "app/resources/resource_ids.h"
#include "tests/gui/conversion_test_support.h"

namespace gui_testing {

bool checked(HWND main, int id) {
    return SendMessageW(findControl(main, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool enabled(HWND main, int id) { return IsWindowEnabled(findControl(main, id)) != FALSE; }

void click(HWND main, int id) { SendMessageW(findControl(main, id), BM_CLICK, 0, 0); }

void typeText(HWND edit, const wchar_t* text) {
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, WM_CHAR, VK_BACK, 0);
    for (const wchar_t* c = text; *c != L'\0'; ++c) SendMessageW(edit, WM_CHAR, *c, 0);
}

HWND openSignalDialog(const InProcessProgram& program) {
    HWND button = findControl(program.mainWindow(), IDC_SIGNALS);
    if (button == nullptr || !IsWindowEnabled(button)) return nullptr;
    // Posted: the dialog is modal, and a sent click would wait until it closed.
    PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(IDC_SIGNALS, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    return program.waitForOwnedDialog();
}

void setRowChecked(HWND list, int row, bool checkedState) {
    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checkedState ? 2 : 1);
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

bool rowChecked(HWND list, int row) {
    const LRESULT state =
        SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK);
    return (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
}

void closeDialog(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(id), 0);
    waitUntil([&] { return !IsWindow(dialog); });
}

std::vector<int32_t> runJob(const InProcessProgram& program) {
    JobMessageRecorder recorder(program.threadId());
    PostMessageW(program.mainWindow(), WM_COMMAND, IDC_START, 0);
    if (!waitUntilIdleAfter(recorder, program.mainWindow())) return {};
    return recorder.results();
}

std::wstring quoted(const std::filesystem::path& path) { return L"\"" + path.wstring() + L"\""; }

int runCli(const std::wstring& arguments, const std::filesystem::path& folder) {
    std::wstring program = L"Z:" TXTCVT_CLI_PATH;
    std::replace(program.begin(), program.end(), L'/', L'\\');
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const std::wstring directory = folder.wstring();
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                        nullptr, directory.c_str(), &startup, &process)) {
        return -1;
    }
    WaitForSingleObject(process.hProcess, 120000);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(exitCode);
}

}  // namespace gui_testing
