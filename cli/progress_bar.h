// A one-line progress display on standard error, drawn only when it is a terminal. It follows
// the bytes of the captures walked so far, so that one large capture moves it as much as many
// small ones.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <thread>

namespace cli {

class ProgressBar {
public:
    // `total` bytes of work; nothing is drawn when `enabled` is false.
    ProgressBar(uint64_t total, bool enabled);
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    // Redraws from `done` a few times a second until finish().
    void watch(const std::atomic<uint64_t>& done);
    void finish();

    static bool standardErrorIsTerminal();

private:
    void draw(uint64_t done);

    std::mutex mutex_;
    std::condition_variable finished_;
    std::thread ticker_;
    uint64_t total_;
    bool enabled_;
    bool stopping_ = false;
    int lastWidth_ = -1;
};

}  // namespace cli
