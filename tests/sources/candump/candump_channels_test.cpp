#include "sources/candump/candump_channels.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using sources::candump::ChannelMap;

std::vector<int> channelsOf(ChannelMap& map, const std::vector<std::string>& names) {
    std::vector<int> channels;
    for (const std::string& name : names) channels.push_back(map.channelOf(name));
    return channels;
}

TEST(CandumpChannels, NamesEndingInANumberTakeItOthersTheLowestFree) {
    struct Case {
        std::vector<std::string> given;
        std::vector<std::string> met;
        std::vector<int> expected;
    };
    const Case cases[] = {
        // The program's own export reads back onto its channels.
        {{}, {"can0", "can1", "can0"}, {0, 1, 0}},
        {{}, {"can1", "can0"}, {1, 0}},
        {{}, {"vcan3", "can10", "slcan007"}, {3, 10, 7}},
        // No number: the lowest free; a number already taken: the lowest free too.
        {{}, {"eth", "can0", "bus", "can0"}, {0, 1, 2, 1}},
        {{}, {"can2", "vcan2", "x", "can1"}, {2, 0, 1, 3}},
        // Numbers past the last channel are no numbers.
        {{}, {"can256", "can99999", "can255"}, {0, 1, 255}},
        // Given names come first, whatever number they end in.
        {{"A", "B"}, {"B", "can1", "A", "can0"}, {1, 2, 0, 3}},
        {{"can1", "can0"}, {"can0", "can1", "can2"}, {1, 0, 2}},
        {{}, {"7"}, {7}},
    };
    for (const Case& c : cases) {
        ChannelMap map(c.given);
        EXPECT_EQ(channelsOf(map, c.met), c.expected) << "first name met: " << c.met[0];
    }
}

// Names alike but for one character, of every length around the eight compared at once, met
// in a random order again and again: each keeps the channel it took first (none ends in a
// number, so they take channels in the order they come).
TEST(CandumpChannels, NamesAlikeButForOneCharacterStayApart) {
    std::vector<std::string> names;
    for (size_t length = 1; length <= 12; ++length) {
        const std::string base = std::string(length - 1, 'a') + 'z';
        names.push_back(base);
        for (size_t at = 0; at < length; ++at) {
            for (const char c : {'b', '\0', '\xFF'}) {
                std::string name = base;
                name[at] = c;
                names.push_back(name);
            }
        }
    }
    ASSERT_LT(names.size(), static_cast<size_t>(ChannelMap::kMaxChannels));
    ChannelMap map;
    std::map<std::string, int> first;
    uint32_t state = 99;
    for (int round = 0; round < 20000; ++round) {
        state = state * 1103515245 + 12345;
        const std::string& name = names[(state >> 8) % names.size()];
        const int expected = first.emplace(name, static_cast<int>(first.size())).first->second;
        ASSERT_EQ(map.channelOf(name), expected) << "'" << name << "' of " << name.size();
    }
    EXPECT_EQ(first.size(), names.size());
}

TEST(CandumpChannels, NamesMetByNumberAndNoMoreThanTheChannels) {
    ChannelMap map({"A", "B"});
    channelsOf(map, {"B", "can3", "x"});
    EXPECT_EQ(map.namesMet(), (std::vector<std::string>{"", "B", "x", "can3"}));

    ChannelMap full;
    for (int i = 0; i < ChannelMap::kMaxChannels; ++i) {
        std::string name = std::to_string(i);
        name.insert(name.begin(), 'n');
        name.push_back('x');  // no number at the end
        ASSERT_GE(full.channelOf(name), 0);
    }
    EXPECT_EQ(full.channelOf("one-more"), -1);
    EXPECT_EQ(full.channelOf("can5"), -1);
    EXPECT_EQ(full.channelOf("n0x"), 0);
    EXPECT_EQ(full.namesMet().size(), static_cast<size_t>(ChannelMap::kMaxChannels));
}

}  // namespace
