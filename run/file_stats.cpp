#include "run/file_stats.h"

#include <algorithm>

namespace run {

void LogCounts::add(const LogCounts& other) {
    logs += other.logs;
    for (const auto& [kind, count] : other.skipped) skipped[kind] += count;
    unreadable += other.unreadable;
    cutShort += other.cutShort;
    channels.add(other.channels);
}

void ChannelStats::add(const ChannelStats& other) {
    if (channels_.size() < other.channels_.size()) channels_.resize(other.channels_.size());
    for (size_t i = 0; i < other.channels_.size(); ++i) channels_[i].add(other.channels_[i]);
}

uint64_t ChannelStats::frames() const {
    uint64_t sum = 0;
    for (const sources::ChannelFrames& frames : channels_) sum += frames.data + frames.damaged;
    return sum;
}

std::vector<int32_t> ChannelStats::beyondTwo() const {
    std::vector<int32_t> numbers;
    for (size_t i = 2; i < channels_.size(); ++i) {
        if (channels_[i].any()) numbers.push_back(static_cast<int32_t>(i));
    }
    return numbers;
}

std::vector<int32_t> ChannelStats::met() const {
    std::vector<int32_t> numbers;
    for (size_t i = 0; i < channels_.size(); ++i) {
        if (channels_[i].any()) numbers.push_back(static_cast<int32_t>(i));
    }
    return numbers;
}

void WalkStats::sourceSeen(const sources::FrameSource& source, const sources::WalkCounts& walked) {
    channels.take(walked.channels);
    log = source.formatName() != "capture";
    if (!log) return;
    const sources::SourceCounts& counts = source.counts();
    logCounts.logs = 1;
    logCounts.format = std::string(source.formatName());
    logCounts.skipped = counts.skipped;
    logCounts.unreadable = counts.unreadable;
    logCounts.firstUnreadable = counts.firstUnreadable;
    logCounts.cutShort = counts.cutShort ? 1 : 0;
    logCounts.channels = channels;
}

void WalkStats::add(const WalkStats& other) {
    records += other.records;
    channels.add(other.channels);
    log = log || other.log;
    logCounts.add(other.logCounts);
}

}  // namespace run
