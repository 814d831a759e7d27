// Ctrl-C, SIGTERM and SIGHUP (on Windows Ctrl-C, Ctrl-Break and closing the console window)
// while a long job runs. Instead of ending the process at once, the first such signal sets a
// flag that the job watches, so that it gives up its files in hand, removes what it had begun
// and leaves every older output as it was; a second one ends the process as usual.
#pragma once

#include <atomic>

namespace platform {

class InterruptWatch {
public:
    explicit InterruptWatch(std::atomic<bool>& flag);  // one watch at a time
    ~InterruptWatch();                                 // the usual handling again
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    // The signal that arrived: 0, or 2 (SIGINT), 15 (SIGTERM), 1 (SIGHUP); closing the console
    // counts as 1. The exit status that reports it is 128 plus the number.
    int signalNumber() const;
};

}  // namespace platform
