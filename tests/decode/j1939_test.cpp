#include "decode/j1939.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "dbc/loader.h"
#include "decode/decode_stats.h"
#include "decode/frame_decoder.h"
#include "tests/support/test_paths.h"

namespace {

TEST(J1939, ParameterGroupsLeaveOutPriorityAndAddressesAsTheFormatSays) {
    EXPECT_EQ(decode::parameterGroupOf(0x0CF00400), 0xF004u);  // PDU2: PS belongs to it
    EXPECT_EQ(decode::parameterGroupOf(0x18F004FE), 0xF004u);  // another priority and sender
    EXPECT_EQ(decode::parameterGroupOf(0x18FEF100), 0xFEF1u);
    EXPECT_EQ(decode::parameterGroupOf(0x0C0017F1), 0x0000u);  // PDU1: no destination
    EXPECT_EQ(decode::parameterGroupOf(0x18EAFF00), 0xEA00u);
    EXPECT_EQ(decode::parameterGroupOf(0x1BEF0000), 0x3EF00u);  // data page set
}

// A database of the given extended messages, one signal each.
std::string extendedMessages(const std::vector<std::pair<const char*, uint32_t>>& messages) {
    std::string text;
    for (const auto& [name, id] : messages) {
        text += "BO_ ";
        text += std::to_string(id | 0x80000000u);
        text += ' ';
        text += name;
        text += ": 8 X\n SG_ S : 0|8@1+ (1,0) [0|0] \"\" X\n";
    }
    return text;
}

class J1939Matching : public ::testing::Test {
protected:
    void load(const std::vector<std::pair<const char*, uint32_t>>& messages) {
        loaded = std::make_unique<dbc::CanDatabase>();
        ASSERT_TRUE(dbc::loadDbcText(*loaded, extendedMessages(messages), dir / "log"));
    }
    // The message name a frame decodes as through the index, "" for none.
    std::string decodedAs(const decode::J1939Index& index, uint32_t identifier,
                          decode::DecodeStats& stats) {
        decode::FrameDecoder decoder(*loaded);
        decoder.setJ1939(&index);
        decoder.setStats(&stats);
        can::Frame frame;
        frame.canId = identifier;
        frame.isExtended = true;
        frame.dataLength = 8;
        std::vector<decode::SignalValue> values;
        if (!decoder.decodeFrame(frame, values)) return "";
        return decoder.message()->name.str();
    }

    testing_support::ScratchDir dir{"j1939"};
    std::unique_ptr<dbc::CanDatabase> loaded;
};

// Of the messages of a frame's parameter group the one with its source address wins, then (PDU1)
// the one with its destination address, then the lowest identifier; an exact match first.
TEST_F(J1939Matching, TheClosestMessageWinsAndATieIsCounted) {
    load({{"EEC1_SA00", 0x0CF00400},
          {"EEC1_SA01", 0x0CF00401},
          {"TSC1_Eng", 0x0C000003},
          {"TSC1_Ret", 0x0C000F03},
          {"TSC1_Other", 0x0C000A05},
          {"TSC1_Low", 0x18000A07}});
    const decode::J1939Index index(*loaded);
    decode::DecodeStats stats;
    struct Case {
        uint32_t frame;
        const char* message;
        bool ambiguous;
    };
    const Case cases[] = {
        {0x18F00401, "EEC1_SA01", false},  // its source address
        {0x0CF00400, "EEC1_SA00", false},  // exact
        {0x18F00400, "EEC1_SA00", false},
        {0x18F00402, "EEC1_SA00", true},  // neither: the lowest identifier
        {0x18000F03, "TSC1_Ret", false},  // source and destination address
        {0x18000003, "TSC1_Eng", false},
        {0x18001103, "TSC1_Eng", true},    // the source address of two, neither destination
        {0x18000F09, "TSC1_Ret", false},   // the destination address alone
        {0x18000A09, "TSC1_Other", true},  // the destination of two: the lowest identifier
        {0x18000A07, "TSC1_Low", false},   // exact
        {0x18001109, "TSC1_Eng", true},    // the group alone
        {0x18F00500, "", false},           // another group
    };
    uint64_t matched = 0;
    uint64_t ambiguous = 0;
    for (const Case& c : cases) {
        const decode::J1939Match match = index.find(c.frame);
        const bool exact = c.frame == 0x0CF00400 || c.frame == 0x18000A07;
        if (!exact) {
            EXPECT_EQ(match.message == nullptr ? "" : match.message->name.str(), c.message)
                << std::hex << c.frame;
            EXPECT_EQ(match.ambiguous, c.ambiguous) << std::hex << c.frame;
            matched += *c.message != '\0' ? 1 : 0;
            ambiguous += c.ambiguous ? 1 : 0;
        }
        EXPECT_EQ(decodedAs(index, c.frame, stats), c.message) << std::hex << c.frame;
    }
    EXPECT_EQ(stats.framesJ1939, matched);
    EXPECT_EQ(stats.framesJ1939Ambiguous, ambiguous);
    EXPECT_EQ(stats.framesJ1939Ambiguous, 4u);

    decode::DecodeStats other;
    other.framesJ1939 = 2;
    other.framesJ1939Ambiguous = 1;
    stats.add(other);
    EXPECT_EQ(stats.framesJ1939, matched + 2);
    EXPECT_EQ(stats.framesJ1939Ambiguous, 5u);
}

// The index against a naive reference: every message of the group ranked by source address,
// destination address (PDU1) and identifier, on random databases crowded into a few groups.
TEST_F(J1939Matching, AgreesWithANaiveRankingOfEveryMessage) {
    std::mt19937 random(1939);
    const uint32_t groups[] = {0xF004, 0xFEF1, 0x0000, 0xEA00, 0x3EF00};
    const uint32_t addresses[] = {0x00, 0x03, 0x0F, 0xFE};
    const auto identifier = [&] {
        const uint32_t group = groups[random() % 5];
        const uint32_t priority = random() % 8;
        const uint32_t source = addresses[random() % 4];
        const uint32_t destination = (group >> 8 & 0xFF) < 240 ? addresses[random() % 4] : 0;
        return priority << 26 | group << 8 | destination << 8 | source;
    };
    for (int round = 0; round < 20; ++round) {
        std::vector<std::string> names;
        std::vector<std::pair<const char*, uint32_t>> messages;
        names.reserve(12);
        for (int i = 0; i < 12; ++i) {
            names.emplace_back("M");
            names.back() += std::to_string(i);
            messages.push_back({names.back().c_str(), identifier()});
        }
        load(messages);
        const decode::J1939Index index(*loaded);
        for (int i = 0; i < 200; ++i) {
            const uint32_t frame = identifier();
            const uint32_t group = decode::parameterGroupOf(frame);
            const bool pdu1 = (group >> 8 & 0xFF) < 240;
            // Rank: 2 for the source address, 1 for the destination address, higher first.
            std::vector<std::pair<int, const dbc::DbcMessage*>> ranked;
            for (const dbc::DbcMessage& message : loaded->messages) {
                if (decode::parameterGroupOf(message.canId) != group) continue;
                const int rank = ((message.canId & 0xFF) == (frame & 0xFF) ? 2 : 0) +
                                 (pdu1 && (message.canId >> 8 & 0xFF) == (frame >> 8 & 0xFF));
                ranked.push_back({rank, &message});
            }
            std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
                return a.first != b.first ? a.first > b.first : a.second->canId < b.second->canId;
            });
            const decode::J1939Match match = index.find(frame);
            if (ranked.empty()) {
                EXPECT_EQ(match.message, nullptr);
                continue;
            }
            EXPECT_EQ(match.message, ranked[0].second) << std::hex << frame;
            EXPECT_EQ(match.ambiguous, ranked.size() > 1 && ranked[1].first == ranked[0].first)
                << std::hex << frame;
        }
    }
}

}  // namespace
