// Channel numbers for candump's interface names, in the order the log meets them:
//   1. names given to the source (the export's --channel-names A,B) are channels 0, 1, ...;
//   2. a name ending in a number takes that number (can0 is channel 0, i.e. CH1; vcan3 is 3),
//      so that the program's own export (can0, can1) reads back onto its channels;
//   3. a name without a number, or whose number another name holds already, or a number past
//      the last channel, takes the lowest number still free.
// Examples: can1, can0 -> 1, 0.  eth, can0 -> 0, 1 (eth took 0 first).  given {A, B}: B, can1,
// A -> 1, 2, 0.  At most kMaxChannels channels: a name past them gets none.
#pragma once

#include <bitset>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sources::candump {

class ChannelMap {
public:
    static constexpr int kMaxChannels = 256;

    explicit ChannelMap(const std::vector<std::string>& givenNames = {});

    // The channel of interface `name`, -1 when every channel number is taken.
    int channelOf(std::string_view name);
    // The name of each channel met so far, by number; empty for numbers not met.
    std::vector<std::string> namesMet() const;

private:
    struct Entry {
        std::string name;
        int channel;
        bool met;
    };
    int assign(std::string_view name);

    std::vector<Entry> entries_;
    std::bitset<kMaxChannels> taken_;
    // The entry found last (lines of one interface tend to follow each other); none at first.
    size_t last_ = static_cast<size_t>(-1);
};

}  // namespace sources::candump
