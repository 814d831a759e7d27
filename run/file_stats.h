// What a conversion saw in one file, for the report: its records, the frames per channel before
// any filter, what the decoding met, the lines written and the time span of the frames
// converted. The totals of a run add the files up.
#pragma once

#include <cstdint>

#include "decode/decode_stats.h"
#include "tables/time_base.h"

namespace run {

class FileStats : public decode::DecodeStats {
public:
    uint64_t records = 0;
    uint64_t frames[2] = {0, 0};  // CAN frames per channel, whatever the channel filter
    uint64_t lines = 0;           // lines (or rows) written
    uint64_t rowsSkipped = 0;     // rows a resampled table left out in gaps of its time
    uint64_t timeBackwards = 0;   // frames of a resampled table earlier than the one before
    // The time of the first and the last frame converted, in microseconds of `time`.
    bool timed = false;
    uint64_t firstMicroseconds = 0;
    uint64_t lastMicroseconds = 0;
    tables::TimeBase time;

    void frameTime(uint64_t microseconds) {
        if (!timed) firstMicroseconds = microseconds;
        lastMicroseconds = microseconds;
        timed = true;
    }
    // Adds another file's figures (the time span is not added up).
    void add(const FileStats& other) {
        DecodeStats::add(other);
        records += other.records;
        frames[0] += other.frames[0];
        frames[1] += other.frames[1];
        lines += other.lines;
        rowsSkipped += other.rowsSkipped;
        timeBackwards += other.timeBackwards;
    }
};

}  // namespace run
