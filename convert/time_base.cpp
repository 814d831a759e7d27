#include "convert/time_base.h"

namespace convert {

TimeBase timeBaseFor(const monitor::MonitorFile& file, settings::TimeStamps timeStamps) {
    TimeBase base;
    if (timeStamps == settings::TimeStamps::kNone) return base;
    if (file.variant == 29) {
        base.scheme = timeStamps == settings::TimeStamps::kElapsed ? TimeScheme::kElapsed
                                                                   : TimeScheme::kDateTime;
        base.startSeconds = file.info29.startSeconds;
        base.startNanoseconds = file.info29.startNanoseconds;
        return base;
    }
    if (file.variant != 27) return base;
    const int mode = file.timeStampMode;
    if (mode >= 1 && mode <= 3) {
        base.scheme = TimeScheme::kClock;
        base.microsecondsPerCount = 100;
    } else if (mode >= 4 && mode <= 6) {
        static constexpr uint32_t kMicrosecondsPerCount[] = {100, 10, 1};
        base.scheme = TimeScheme::kElapsed;
        base.microsecondsPerCount = kMicrosecondsPerCount[mode - 4];
    }
    return base;
}

}  // namespace convert
