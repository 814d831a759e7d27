// What a first walk of a file found for its wide table: the channels each message's decoded
// frames came on. With one database for every channel, a message met on several channels gets
// columns per channel (CH1.Message.Signal, CH2.Message.Signal); one met on a single channel
// keeps the plain names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tables {

class MessageChannels {
public:
    // A message met on more channels than this keeps one column per signal for all of them:
    // neither memory nor the table grows with a damaged log's channel numbers.
    static constexpr size_t kMaxChannels = 256;

    explicit MessageChannels(size_t messages) : channels_(messages), crowded_(messages, false) {}

    // A decoded frame of the message (its place in the database) on `channel`.
    void add(size_t message, int32_t channel) {
        if (message >= channels_.size() || crowded_[message]) return;
        std::vector<int32_t>& list = channels_[message];
        if (!list.empty() && list.back() == channel) return;
        auto at = list.begin();
        while (at != list.end() && *at < channel) ++at;
        if (at != list.end() && *at == channel) return;
        if (list.size() == kMaxChannels) {
            crowded_[message] = true;
            list = {};
            return;
        }
        list.insert(at, channel);
    }
    // The channels the message came on, ascending; none for a message never met or met on more
    // channels than kMaxChannels.
    std::span<const int32_t> of(size_t message) const {
        if (message >= channels_.size()) return {};
        return channels_[message];
    }

private:
    std::vector<std::vector<int32_t>> channels_;
    std::vector<bool> crowded_;
};

}  // namespace tables
