// A one-line progress display on standard error, drawn only when it is a terminal.
#pragma once

#include <cstdio>
#include <mutex>

namespace cli {

class ProgressBar {
public:
    // `total` units of work; nothing is drawn when `enabled` is false.
    ProgressBar(unsigned total, bool enabled);
    ~ProgressBar();

    void advance(unsigned units);  // thread-safe
    void finish();

    static bool standardErrorIsTerminal();

private:
    void draw();

    std::mutex mutex_;
    unsigned total_;
    unsigned done_ = 0;
    bool enabled_;
    int lastWidth_ = -1;
};

}  // namespace cli
