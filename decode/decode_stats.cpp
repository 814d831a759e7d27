#include "decode/decode_stats.h"

#include <algorithm>

namespace decode {

namespace {

void addValue(UnmatchedSwitch& entry, int64_t value) {
    const auto at = std::lower_bound(entry.values.begin(), entry.values.end(), value);
    if (at != entry.values.end() && *at == value) return;
    if (entry.values.size() >= UnmatchedSwitch::kMaxValues) {
        entry.moreValues = true;
        return;
    }
    entry.values.insert(at, value);
}

}  // namespace

uint64_t UnknownIdentifier::on(int32_t channel) const {
    for (const auto& [number, count] : byChannel) {
        if (number == channel) return count;
    }
    return 0;
}

void UnknownIdentifier::add(int32_t channel, uint64_t count) {
    frames += count;
    auto at = byChannel.begin();
    while (at != byChannel.end() && at->first < channel) ++at;
    if (at != byChannel.end() && at->first == channel) {
        at->second += count;
    } else {
        byChannel.insert(at, {channel, count});
    }
}

void DecodeStats::unknownFrame(uint32_t canId, bool extended, int channel) {
    ++framesUnknown;
    const uint64_t key = canId | (extended ? (uint64_t{1} << 32) : 0);
    UnknownIdentifier& entry = unknown_[key];
    entry.canId = canId;
    entry.extended = extended;
    entry.add(channel, 1);
}

void DecodeStats::shortFrame(const dbc::DbcMessage& message) {
    ++framesShort;
    MessageFrames& entry = short_[{message.name.str(), message.rawId}];
    entry.message = message.name;
    entry.canId = message.canId;
    entry.extended = message.isExtended;
    ++entry.frames;
}

void DecodeStats::unmatchedSwitch(const dbc::DbcMessage& message,
                                  const dbc::DbcSignal& switchSignal, int64_t value) {
    UnmatchedSwitch& entry = switches_[{message.name.str(), switchSignal.name.str()}];
    if (entry.frames++ == 0) {
        entry.message = message.name;
        entry.switchName = switchSignal.name;
    }
    addValue(entry, value);
}

std::vector<UnknownIdentifier> DecodeStats::topUnknown(size_t count) const {
    std::vector<UnknownIdentifier> all;
    all.reserve(unknown_.size());
    for (const auto& [key, entry] : unknown_) all.push_back(entry);
    const auto order = [](const UnknownIdentifier& a, const UnknownIdentifier& b) {
        if (a.total() != b.total()) return a.total() > b.total();
        if (a.canId != b.canId) return a.canId < b.canId;
        return a.extended < b.extended;
    };
    if (all.size() > count) {
        std::partial_sort(all.begin(), all.begin() + static_cast<ptrdiff_t>(count), all.end(),
                          order);
        all.resize(count);
    } else {
        std::sort(all.begin(), all.end(), order);
    }
    return all;
}

std::vector<MessageFrames> DecodeStats::shortByMessage() const {
    std::vector<MessageFrames> all;
    for (const auto& [key, entry] : short_) all.push_back(entry);
    return all;
}

std::vector<UnmatchedSwitch> DecodeStats::unmatchedSwitches() const {
    std::vector<UnmatchedSwitch> all;
    for (const auto& [key, entry] : switches_) all.push_back(entry);
    return all;
}

void DecodeStats::add(const DecodeStats& other) {
    framesDecoded += other.framesDecoded;
    framesUnknown += other.framesUnknown;
    framesShort += other.framesShort;
    framesJ1939 += other.framesJ1939;
    framesJ1939Ambiguous += other.framesJ1939Ambiguous;
    valuesBeyondData += other.valuesBeyondData;
    for (const auto& [key, entry] : other.unknown_) {
        UnknownIdentifier& mine = unknown_[key];
        mine.canId = entry.canId;
        mine.extended = entry.extended;
        for (const auto& [channel, frames] : entry.byChannel) mine.add(channel, frames);
    }
    for (const auto& [key, entry] : other.short_) {
        MessageFrames& mine = short_[key];
        if (mine.frames == 0) mine = MessageFrames{entry.message, entry.canId, entry.extended, 0};
        mine.frames += entry.frames;
    }
    for (const auto& [key, entry] : other.switches_) {
        UnmatchedSwitch& mine = switches_[key];
        if (mine.frames == 0) {
            mine.message = entry.message;
            mine.switchName = entry.switchName;
        }
        mine.frames += entry.frames;
        mine.moreValues = mine.moreValues || entry.moreValues;
        for (const int64_t value : entry.values) addValue(mine, value);
    }
}

}  // namespace decode
