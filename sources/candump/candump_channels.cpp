#include "sources/candump/candump_channels.h"

#include <limits>

namespace sources::candump {

namespace {

// The number a name ends in, or -1 (none, or one past the channels).
int trailingNumber(std::string_view name) {
    size_t first = name.size();
    while (first > 0 && name[first - 1] >= '0' && name[first - 1] <= '9') --first;
    if (first == name.size() || name.size() - first > 4) return -1;
    int number = 0;
    for (size_t i = first; i < name.size(); ++i) number = number * 10 + (name[i] - '0');
    return number < ChannelMap::kMaxChannels ? number : -1;
}

}  // namespace

ChannelMap::ChannelMap(const std::vector<std::string>& givenNames) {
    for (const std::string& name : givenNames) {
        const int channel = static_cast<int>(entries_.size());
        if (channel == kMaxChannels) break;
        entries_.push_back({name, channel, false});
        taken_.set(static_cast<size_t>(channel));
    }
}

int ChannelMap::search(std::string_view name) {
    Recent& recent = recent_[static_cast<unsigned char>(name.back())];
    size_t index = 0;
    while (index < entries_.size() && !sameName(entries_[index].name, name)) ++index;
    int channel = 0;
    if (index < entries_.size()) {
        entries_[index].met = true;
        channel = entries_[index].channel;
    } else {
        channel = assign(name);
        if (channel < 0) return channel;
    }
    if (name.size() <= std::numeric_limits<uint16_t>::max()) {
        recent = {headOf(name), static_cast<uint16_t>(name.size()), static_cast<uint16_t>(index),
                  channel};
    }
    return channel;
}

int ChannelMap::assign(std::string_view name) {
    int channel = trailingNumber(name);
    if (channel < 0 || taken_.test(static_cast<size_t>(channel))) {
        channel = 0;
        while (channel < kMaxChannels && taken_.test(static_cast<size_t>(channel))) ++channel;
        if (channel == kMaxChannels) return -1;
    }
    taken_.set(static_cast<size_t>(channel));
    entries_.push_back({std::string(name), channel, true});
    return channel;
}

std::vector<std::string> ChannelMap::namesMet() const {
    std::vector<std::string> names;
    for (const Entry& entry : entries_) {
        if (!entry.met) continue;
        const auto at = static_cast<size_t>(entry.channel);
        if (names.size() <= at) names.resize(at + 1);
        names[at] = entry.name;
    }
    return names;
}

}  // namespace sources::candump
