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
#include <cstring>
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
        const Recent& recent = recent_[static_cast<unsigned char>(name.back())];
        if (recent.length == name.size() && recent.head == headOf(name) &&
            (name.size() <= sizeof recent.head || sameName(entries_[recent.entry].name, name))) {
            return recent.channel;
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
    // The first eight characters of a name (not empty) as a word, zeros past its end: two
    // loads that may overlap, none past the name.
    static uint64_t headOf(std::string_view name) {
        const char* p = name.data();
        const size_t size = name.size();
        if (size >= 8) return load<uint64_t>(p);
        if (size >= 4) {
            return load<uint32_t>(p) | uint64_t{load<uint32_t>(p + size - 4)} << 8 * (size - 4);
        }
        const auto byte = [p](size_t at) { return uint64_t{static_cast<unsigned char>(p[at])}; };
        return byte(0) | byte(size / 2) << 8 * (size / 2) | byte(size - 1) << 8 * (size - 1);
    }
    template <class Word>
    static Word load(const char* p) {
        Word word = 0;
        std::memcpy(&word, p, sizeof word);
        return word;
    }
    int search(std::string_view name);
    int assign(std::string_view name);

    // By the last character of a name (can0, can1), the entry met last with it: the usual names
    // (eight characters at most) are found by their length and one word, without a look at the
    // entries.
    struct Recent {
        uint64_t head = 0;
        uint16_t length = 0;  // 0: none
        uint16_t entry = 0;
        int32_t channel = 0;
    };

    std::vector<Entry> entries_;
    std::bitset<kMaxChannels> taken_;
    std::array<Recent, 256> recent_ = {};
};

}  // namespace sources::candump
