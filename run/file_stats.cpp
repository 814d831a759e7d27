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

void ChannelStats::take(const std::vector<sources::ChannelFrames>& channels) {
    met_.clear();
    for (size_t i = 0; i < channels.size(); ++i) {
        if (channels[i].any()) met_.emplace_back(static_cast<int32_t>(i), channels[i]);
    }
}

void ChannelStats::add(const ChannelStats& other) {
    std::vector<std::pair<int32_t, sources::ChannelFrames>> merged;
    auto mine = met_.begin();
    auto theirs = other.met_.begin();
    while (mine != met_.end() || theirs != other.met_.end()) {
        if (theirs == other.met_.end() || (mine != met_.end() && mine->first < theirs->first)) {
            merged.push_back(*mine++);
        } else if (mine == met_.end() || theirs->first < mine->first) {
            merged.push_back(*theirs++);
        } else {
            merged.push_back(*mine++);
            merged.back().second.add((theirs++)->second);
        }
    }
    met_ = std::move(merged);
}

uint64_t ChannelStats::frames() const {
    uint64_t sum = 0;
    for (const auto& [channel, frames] : met_) sum += frames.data + frames.damaged;
    return sum;
}

sources::ChannelFrames ChannelStats::of(int32_t channel) const {
    const auto at = std::lower_bound(met_.begin(), met_.end(), channel,
                                     [](const std::pair<int32_t, sources::ChannelFrames>& entry,
                                        int32_t number) { return entry.first < number; });
    return at != met_.end() && at->first == channel ? at->second : sources::ChannelFrames{};
}

std::vector<int32_t> ChannelStats::beyondTwo() const {
    std::vector<int32_t> numbers;
    for (const auto& [channel, frames] : met_) {
        if (channel >= 2) numbers.push_back(channel);
    }
    return numbers;
}

std::vector<int32_t> ChannelStats::met() const {
    std::vector<int32_t> numbers;
    for (const auto& [channel, frames] : met_) numbers.push_back(channel);
    return numbers;
}

void WalkStats::startFile(const sources::FrameSource& source) {
    records = source.counts().records;
    time = tables::timeBaseFor(source.timeOrigin(), settings::TimeStamps::kTimeOfDay);
}

void WalkStats::sourceSeen(const sources::FrameSource& source, const sources::WalkCounts& walked) {
    channels.take(walked.channels);
    // A log knows its objects or lines only once read.
    records = std::max(records, source.counts().records);
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
