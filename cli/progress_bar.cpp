#include "cli/progress_bar.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace cli {

ProgressBar::ProgressBar(unsigned total, bool enabled) : total_(total), enabled_(enabled) {
    if (enabled_) draw();
}

ProgressBar::~ProgressBar() { finish(); }

bool ProgressBar::standardErrorIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}

void ProgressBar::advance(unsigned units) {
    std::lock_guard<std::mutex> lock(mutex_);
    done_ += units;
    if (done_ > total_) done_ = total_;
    if (enabled_) draw();
}

void ProgressBar::finish() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!enabled_) return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    enabled_ = false;
}

void ProgressBar::draw() {
    constexpr int kWidth = 40;
    const int filled = total_ == 0 ? kWidth : static_cast<int>(kWidth * static_cast<unsigned long long>(done_) / total_);
    if (filled == lastWidth_ && done_ != total_) return;
    lastWidth_ = filled;
    char bar[kWidth + 1];
    for (int i = 0; i < kWidth; ++i) bar[i] = i < filled ? '#' : '.';
    bar[kWidth] = '\0';
    std::fprintf(stderr, "\r[%s] %u/%u", bar, done_, total_);
    std::fflush(stderr);
}

}  // namespace cli
