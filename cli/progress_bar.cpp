#include "cli/progress_bar.h"

#include <chrono>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace cli {

ProgressBar::ProgressBar(uint64_t total, bool enabled) : total_(total), enabled_(enabled) {
    if (enabled_) draw(0);
}

ProgressBar::~ProgressBar() { finish(); }

bool ProgressBar::standardErrorIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}

void ProgressBar::watch(const std::atomic<uint64_t>& done) {
    if (!enabled_ || ticker_.joinable()) return;
    ticker_ = std::thread([this, &done] {
        std::unique_lock<std::mutex> lock(mutex_);
        while (!stopping_) {
            draw(done.load(std::memory_order_relaxed));
            finished_.wait_for(lock, std::chrono::milliseconds(200));
        }
    });
}

void ProgressBar::finish() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    finished_.notify_all();
    if (ticker_.joinable()) ticker_.join();
    std::lock_guard<std::mutex> lock(mutex_);
    if (!enabled_) return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    enabled_ = false;
}

void ProgressBar::draw(uint64_t done) {
    constexpr int kWidth = 40;
    if (done > total_) done = total_;
    const int filled =
        total_ == 0 ? kWidth : static_cast<int>(kWidth * (done / 1024) / ((total_ + 1023) / 1024));
    if (filled == lastWidth_) return;
    lastWidth_ = filled;
    char bar[kWidth + 1];
    for (int i = 0; i < kWidth; ++i) bar[i] = i < filled ? '#' : '.';
    bar[kWidth] = '\0';
    std::fprintf(stderr, "\r[%s] %3d%%", bar, filled * 100 / kWidth);
    std::fflush(stderr);
}

}  // namespace cli
