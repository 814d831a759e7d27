// Starts txtcvt.exe as a child process and finds its main dialog, for tests and screenshots.
// Only messages without pointers cross the process boundary (texts, combo box items, clicks).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace gui_testing {

// The program under test, as a Windows path.
std::wstring programPath();

class RunningProgram {
public:
    // Starts the program with `arguments` and waits up to a minute for its main dialog.
    explicit RunningProgram(const std::wstring& arguments);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    HWND mainWindow() const { return mainWindow_; }
    // Sends WM_CLOSE and waits for the end; the exit code, or -999 when it did not end.
    int close();

private:
    PROCESS_INFORMATION process_{};
    HWND mainWindow_ = nullptr;
    bool ended_ = false;
};

std::wstring windowText(HWND window);
std::vector<std::wstring> comboItems(HWND combo);
// The child dialog (pane) of `dialog` that holds control `controlId`.
HWND paneHolding(HWND dialog, int controlId);
// The texts of all windows inside `dialog`, panes included, in z-order.
std::vector<std::wstring> descendantTexts(HWND dialog);

}  // namespace gui_testing
