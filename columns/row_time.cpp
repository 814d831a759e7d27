#include "columns/row_time.h"

namespace columns {

namespace {

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
constexpr int64_t kNanosecondsPerSecond = 1000000000;

bool addFits(int64_t a, int64_t b) { return b >= 0 ? a <= kMax - b : a >= kMin - b; }

}  // namespace

RowTime rowTimeOf(const tables::TimeBase& base, uint64_t microseconds) {
    RowTime time;
    if (base.scheme == tables::TimeScheme::kNone) return time;
    time.elapsed = static_cast<double>(microseconds) / 1e6;
    if (base.scheme != tables::TimeScheme::kDateTime) return time;
    if (microseconds > static_cast<uint64_t>(kMax / 1000) ||
        base.startSeconds > kMax / kNanosecondsPerSecond ||
        base.startSeconds < kMin / kNanosecondsPerSecond) {
        return time;
    }
    const int64_t start = base.startSeconds * kNanosecondsPerSecond;
    const int64_t offset = static_cast<int64_t>(microseconds) * 1000;
    if (!addFits(start, base.startNanoseconds) || !addFits(start + base.startNanoseconds, offset)) {
        return time;
    }
    time.instant = start + base.startNanoseconds + offset;
    return time;
}

}  // namespace columns
