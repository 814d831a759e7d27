#include "tables/time_base.h"

#include "tables/table_options.h"

namespace tables {

TimeBase timeBaseFor(const sources::TimeOrigin& origin, settings::TimeStamps timeStamps) {
    using Kind = sources::TimeOrigin::Kind;
    TimeBase base;
    if (timeStamps == settings::TimeStamps::kNone) return base;
    switch (origin.kind) {
        case Kind::kDated:
            base.scheme = timeStamps == settings::TimeStamps::kElapsed ? TimeScheme::kElapsed
                                                                       : TimeScheme::kDateTime;
            base.startSeconds = origin.startSeconds;
            base.startNanoseconds = origin.startNanoseconds;
            break;
        case Kind::kClock:
            base.scheme = TimeScheme::kClock;
            break;
        case Kind::kElapsed:
            base.scheme = TimeScheme::kElapsed;
            break;
        case Kind::kNoUnit:
            break;
    }
    return base;
}

TimeBase timeBaseFor(const sources::TimeOrigin& origin, const ConversionOptions& options) {
    TimeBase base = timeBaseFor(origin, options.timeStamps);
    base.utc = options.clock == Clock::kUtc;
    base.iso8601 = options.timeFormat == TimeFormat::kIso8601;
    return base;
}

}  // namespace tables
