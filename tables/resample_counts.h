// What a resampled wide table met in the times of one file, for the warnings and the report.
#pragma once

#include <cstdint>

namespace tables {

// All zero for any other table. Times are in microseconds of the file's TimeBase.
struct ResampleCounts {
    uint64_t gaps = 0;           // jumps of more than a million periods, whose rows are left out
    uint64_t rowsSkipped = 0;    // the rows those gaps would have had
    uint64_t gapFrom = 0;        // the first gap: the last frame's time before it
    uint64_t gapTo = 0;          // and the time of the frame after it
    uint64_t timeBackwards = 0;  // frames earlier than the frame before them
    uint64_t backwardsFrom = 0;  // the first of them: the time of the frame before
    uint64_t backwardsTo = 0;    // and its own, earlier time
};

}  // namespace tables
