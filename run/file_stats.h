// What a conversion saw in one file, for the report: its records, the frames per channel before
// any filter, what the source left out, what the decoding met, the lines written and the time
// span of the frames converted. The totals of a run add the files up.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "canlog/left_out.h"
#include "decode/decode_stats.h"
#include "sources/frame_source.h"
#include "sources/frame_walk.h"
#include "tables/time_base.h"

namespace run {

// The frames the walk met before any filter, for each channel met (a file has a few channels of
// up to 65536: nothing here is sized by a channel number), with the totals of each kind.
class ChannelStats {
public:
    // Takes a walk's counts (by channel number, as far as one was met).
    void take(const std::vector<sources::ChannelFrames>& channels);
    void add(const ChannelStats& other);
    // The frame records of a channel (data frames and frames not read whole): a capture's count.
    uint64_t framesOf(int32_t channel) const {
        const sources::ChannelFrames frames = of(channel);
        return frames.data + frames.damaged;
    }
    uint64_t frames() const;
    sources::ChannelFrames of(int32_t channel) const;
    // The channel numbers past CH2 on which any frame came, ascending.
    std::vector<int32_t> beyondTwo() const;
    // Every channel on which any frame came, ascending.
    std::vector<int32_t> met() const;

private:
    std::vector<std::pair<int32_t, sources::ChannelFrames>> met_;  // ascending channel
};

// What the source of a log (any input but a capture) counted besides its frames; the totals of
// a run add up the logs.
struct LogCounts {
    uint64_t logs = 0;   // the logs counted in (1 for a file)
    std::string format;  // "BLF log", ...; of a file only
    std::map<std::string, uint64_t> skipped;
    uint64_t unreadable = 0;
    std::vector<uint64_t> firstUnreadable;  // of a file only
    uint64_t cutShort = 0;                  // logs cut short
    ChannelStats channels;                  // the logs' frames by channel and kind

    void add(const LogCounts& other);
};

// What the walk of one file met, whatever became of its frames: its records, the frames per
// channel before any filter, what a log's source left out, and the time span of the frames
// handed on. Shared by the conversion's and the export's reports.
class WalkStats {
public:
    uint64_t records = 0;
    ChannelStats channels;  // CAN frames per channel, whatever the channel filter
    bool log = false;       // the input is a log, not a capture: `logCounts` says what it held
    LogCounts logCounts;
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
    // Starts the figures of a file: its records, and its times as the report shows them (even
    // where the output has none).
    void startFile(const sources::FrameSource& source);
    // What the source and the walk met in the whole file.
    void sourceSeen(const sources::FrameSource& source, const sources::WalkCounts& walked);
    // Adds another file's figures (the time span is not added up).
    void add(const WalkStats& other);
};

class FileStats : public decode::DecodeStats, public WalkStats {
public:
    uint64_t lines = 0;          // lines (or rows) written
    uint64_t rowsSkipped = 0;    // rows a resampled table left out in gaps of its time
    uint64_t timeBackwards = 0;  // frames of a resampled table earlier than the one before

    void add(const FileStats& other) {
        DecodeStats::add(other);
        WalkStats::add(other);
        lines += other.lines;
        rowsSkipped += other.rowsSkipped;
        timeBackwards += other.timeBackwards;
    }
};

// What an export of one file met and what its log format could not carry.
class ExportStats : public WalkStats {
public:
    canlog::LeftOutCounts leftOut;

    void add(const ExportStats& other) {
        WalkStats::add(other);
        leftOut.add(other.leftOut);
    }
};

}  // namespace run
