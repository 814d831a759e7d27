// Channel numbers for candump's interface names, in the order the log meets them:
//   1. names given to the source (the export's --channel-names A,B) are channels 0, 1, ...;
//   2. a name ending in a number takes that number (can0 is channel 0, i.e. CH1; vcan3 is 3),
//      so that the program's own export (can0, can1) reads back onto its channels;
//   3. a name without a number, or whose number another name holds already, or a number past
//      the last channel, takes the lowest number still free.
// Examples: can1, can0 -> 1, 0.  eth, can0 -> 0, 1 (eth took 0 first).  given {A, B}: B, can1,
// A -> 1, 2, 0.  At most kMaxChannels channels: a name past them gets none.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sources::candump {

class ChannelMap {
public:
    static constexpr int kMaxChannels = 256;

    explicit ChannelMap(const std::vector<std::string>& givenNames = {});

    // The channel of interface `name`, -1 when every channel number is taken.
    int channelOf(std::string_view name) {
        if (name.empty()) return -1;
        const uint16_t hint = byLastCharacter_[static_cast<unsigned char>(name.back())];
        if (hint != 0 && sameName(entries_[hint - 1u].name, name)) {
            return entries_[hint - 1u].channel;
        }
        return search(name);
    }
    // The name of each channel met so far, by number; empty for numbers not met.
    std::vector<std::string> namesMet() const;

private:
    struct Entry {
        std::string name;
        int channel;
        bool met;
    };
    // Names are short: a loop beats a call of memcmp.
    static bool sameName(const std::string& known, std::string_view name) {
        if (known.size() != name.size()) return false;
        for (size_t i = 0; i < name.size(); ++i) {
            if (known[i] != name[i]) return false;
        }
        return true;
    }
    int search(std::string_view name);
    int assign(std::string_view name);

    std::vector<Entry> entries_;
    std::bitset<kMaxChannels> taken_;
    // By the last character of a name (can0, can1), the entry met last with it, plus 1: the
    // usual names are found with one comparison that succeeds.
    std::array<uint16_t, 256> byLastCharacter_ = {};
};

}  // namespace sources::candump
