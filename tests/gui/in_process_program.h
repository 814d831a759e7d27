// The Windows program run inside the test process: its start-up and main dialog on a thread of
// their own, driven from the test thread. Window messages between threads of one process may
// carry pointers, so the list view can be read and the dialogs' own windows found and closed.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/gui/running_program.h"

namespace gui_testing {

// Polls `condition` every 10 ms for up to `timeout`; true once it held.
bool waitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(60));

class InProcessProgram {
public:
    // Runs the program with `arguments` (as after the program name on a command line) and waits
    // for its main dialog.
    explicit InProcessProgram(const std::wstring& arguments);
    ~InProcessProgram();
    InProcessProgram(const InProcessProgram&) = delete;
    InProcessProgram& operator=(const InProcessProgram&) = delete;

    HWND mainWindow() const { return mainWindow_; }
    DWORD threadId() const { return threadId_.load(); }
    // Posts WM_CLOSE and waits for the program to end; its exit code, or -999.
    int close();

    // A visible dialog window owned by the main dialog (message box, CSV dialog, file dialog);
    // waits for it up to a minute. nullptr when none appeared.
    HWND waitForOwnedDialog() const;
    HWND ownedDialog() const;

private:
    std::thread thread_;
    std::atomic<DWORD> threadId_{0};
    std::atomic<bool> ended_{false};
    int exitCode_ = -999;
    HWND mainWindow_ = nullptr;
};

// Watches the messages the program's thread takes from its queue: the worker's progress and
// end messages, in order. Optionally runs `onProgress` on the program's thread when a given
// progress position arrives, before the dialog handles it. One recorder at a time.
class JobMessageRecorder {
public:
    explicit JobMessageRecorder(DWORD threadId);
    ~JobMessageRecorder();
    JobMessageRecorder(const JobMessageRecorder&) = delete;
    JobMessageRecorder& operator=(const JobMessageRecorder&) = delete;

    void onProgress(int32_t position, std::function<void()> action);
    std::vector<int32_t> progress() const;
    std::vector<int32_t> results() const;
    bool done() const { return !results().empty(); }

private:
    static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam);
    HHOOK hook_ = nullptr;
};

// The texts of every window inside `window`.
std::vector<std::wstring> childTexts(HWND window);
// A control anywhere inside `dialog`, panes included.
HWND findControl(HWND dialog, int controlId);

// The list view's rows: the text of `column` of every row, in list order.
std::vector<std::wstring> listColumn(HWND list, int column);
std::vector<int> selectedRows(HWND list);
void setRowSelected(HWND list, int row, bool selected);

// Chooses list entry `index` of a drop-down list as the user does, notification included.
void chooseListEntry(HWND combo, int index);

}  // namespace gui_testing
