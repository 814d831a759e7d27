#include <signal.h>

#include "platform/interrupt_watch.h"

namespace platform {

namespace {

std::atomic<bool>* g_flag = nullptr;
volatile sig_atomic_t g_signal = 0;
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction g_previous[3];

// Only what is safe in a signal handler: lock-free stores.
extern "C" void onSignal(int number) {
    g_signal = number;
    if (g_flag != nullptr) g_flag->store(true);
}

}  // namespace

InterruptWatch::InterruptWatch(std::atomic<bool>& flag) {
    static_assert(std::atomic<bool>::is_always_lock_free);
    g_flag = &flag;
    g_signal = 0;
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // The second signal ends the process as usual (the flag is unsigned in glibc).
    action.sa_flags = static_cast<int>(SA_RESETHAND);
    for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &action, &g_previous[i]);
}

InterruptWatch::~InterruptWatch() {
    for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &g_previous[i], nullptr);
    g_flag = nullptr;
}

int InterruptWatch::signalNumber() const { return g_signal; }

}  // namespace platform
