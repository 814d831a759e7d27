// The frame times of a candump log, from the times its lines write. The first frame decides:
//   (1700000000.123456)  10 or more digits: seconds since 1970 (candump -L, -l, -t a, python-can);
//                        the origin is that frame's whole second, a kDated origin.
//   (2024-05-01 12:34:56.789012)  candump -t A: the recording machine's local time, taken to
//                        UTC through the local time zone (TZ); the origin as above.
//   (000.123456)         fewer digits: elapsed seconds (candump -t z, or -L -t z) from a zero
//                        of the log's own; or, read as deltas, each the time since the frame
//                        before (candump -t d), which add up.
//   no time              every frame at 0, with no unit.
// A line whose time is written another way than the first frame's has no time here.
#pragma once

#include <cstdint>

#include "sources/candump/candump_lines.h"
#include "sources/frame_source.h"

namespace sources::candump {

class Clock {
public:
    enum class Result { kTime, kBeforeStart, kNoTime };

    bool started() const { return started_; }
    // Starts at the first frame's time; false when a date cannot be converted (the frame then
    // has no time and the next frame tries again). Elapsed times are deltas when `deltas`.
    bool start(const LineTime& first, bool deltas);
    const TimeOrigin& origin() const { return origin_; }

    // Nanoseconds since the origin. kBeforeStart: a date before the origin, read as the origin;
    // kNoTime: a time of another form than the first's, a date that cannot be converted, or
    // deltas that add up past what 64 bits of nanoseconds hold (584 years).
    Result timeOf(const LineTime& time, uint64_t& nanoseconds) {
        // The usual line of a dated log, inline: seconds since 1970 from the origin's on.
        const auto seconds = static_cast<int64_t>(time.seconds);
        if (mode_ == Mode::kDated && time.form == TimeForm::kSeconds &&
            seconds >= origin_.startSeconds &&
            static_cast<uint64_t>(seconds - origin_.startSeconds) <= kMaxSeconds) {
            nanoseconds = static_cast<uint64_t>(seconds - origin_.startSeconds) * 1000000000 +
                          time.nanoseconds;
            return Result::kTime;
        }
        return timeOfAny(time, nanoseconds);
    }

private:
    enum class Mode { kNone, kDated, kLocalDate, kElapsed, kDeltas };
    Result timeOfAny(const LineTime& time, uint64_t& nanoseconds);
    // The UTC seconds of a local date and time; the last minute's conversion is kept, as a
    // time zone's offset changes at most once a minute.
    bool utcSeconds(const platform::CivilTime& civil, int64_t& seconds);
    Result sinceOrigin(int64_t seconds, uint32_t fraction, uint64_t& nanoseconds) const;

    bool started_ = false;
    Mode mode_ = Mode::kNone;
    TimeOrigin origin_{TimeOrigin::Kind::kNoUnit, 0, 0, {}};
    uint64_t elapsed_ = 0;  // kDeltas: the sum so far
    platform::CivilTime cachedMinute_;
    int64_t cachedMinuteUtc_ = 0;
    bool cacheValid_ = false;
};

}  // namespace sources::candump
