#include <windows.h>

#include "platform/interrupt_watch.h"

namespace platform {

namespace {

std::atomic<bool>* g_flag = nullptr;
std::atomic<int> g_signal{0};
HANDLE g_finished = nullptr;

BOOL WINAPI onConsoleEvent(DWORD event) {
    const bool closing =
        event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT;
    int expected = 0;
    if (!g_signal.compare_exchange_strong(expected, closing ? 1 : 2)) {
        return FALSE;  // the second one ends the process as usual
    }
    if (g_flag != nullptr) g_flag->store(true);
    // The process ends when this handler returns from a close event: give the job the few
    // seconds Windows allows to remove what it had begun.
    if (closing && g_finished != nullptr) WaitForSingleObject(g_finished, 4500);
    return TRUE;
}

}  // namespace

InterruptWatch::InterruptWatch(std::atomic<bool>& flag) {
    g_flag = &flag;
    g_signal.store(0);
    g_finished = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

InterruptWatch::~InterruptWatch() {
    if (g_finished != nullptr) SetEvent(g_finished);
    SetConsoleCtrlHandler(onConsoleEvent, FALSE);
    g_flag = nullptr;
}

int InterruptWatch::signalNumber() const { return g_signal.load(); }

}  // namespace platform
