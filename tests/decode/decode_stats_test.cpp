#include "decode/decode_stats.h"

#include <gtest/gtest.h>

#include "dbc/loader.h"
#include "tests/support/test_paths.h"

namespace {

TEST(DecodeStats, UnknownIdentifiersMostFramesFirstAndFilesAddUp) {
    decode::DecodeStats file1;
    for (int i = 0; i < 3; ++i) file1.unknownFrame(0x555, false, 0);
    file1.unknownFrame(0x555, true, 1);  // the extended 555 is another identifier
    file1.unknownFrame(0x100, false, 1);
    file1.unknownFrame(0x100, false, 1);
    file1.unknownFrame(0x050, false, 0);
    file1.unknownFrame(0x050, false, 1);
    const std::vector<decode::UnknownIdentifier> top = file1.topUnknown(2);
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0].canId, 0x555u);
    EXPECT_FALSE(top[0].extended);
    EXPECT_EQ(top[0].on(0), 3u);
    EXPECT_EQ(top[1].canId, 0x050u);  // two frames as 0x100 has: the lower identifier first
    EXPECT_EQ(file1.framesUnknown, 8u);

    decode::DecodeStats file2;
    file2.unknownFrame(0x100, false, 0);
    file2.unknownFrame(0x100, false, 0);
    file2.framesDecoded = 5;
    file1.add(file2);
    EXPECT_EQ(file1.topUnknown(1)[0].canId, 0x100u);
    EXPECT_EQ(file1.topUnknown(1)[0].on(0), 2u);
    EXPECT_EQ(file1.topUnknown(1)[0].on(1), 2u);
    EXPECT_EQ(file1.framesUnknown, 10u);
    EXPECT_EQ(file1.framesDecoded, 5u);
    EXPECT_EQ(file1.topUnknown(100).size(), 4u);
}

TEST(DecodeStats, UnknownIdentifiersCountEveryChannelApart) {
    decode::DecodeStats file1;
    file1.unknownFrame(0x100, false, 7);
    file1.unknownFrame(0x100, false, 1);
    file1.unknownFrame(0x100, false, 65535);
    decode::DecodeStats file2;
    file2.unknownFrame(0x100, false, 7);
    file1.add(file2);
    const decode::UnknownIdentifier id = file1.topUnknown(1)[0];
    EXPECT_EQ(id.total(), 4u);
    EXPECT_EQ(id.on(7), 2u);
    EXPECT_EQ(id.on(1), 1u);  // not counted as CH2 with the others
    EXPECT_EQ(id.on(0), 0u);
    ASSERT_EQ(id.byChannel.size(), 3u);
    EXPECT_EQ(id.byChannel.back().first, 65535);  // in channel order
}

TEST(DecodeStats, ShortFramesPerMessageAndSwitchValuesKeptUpToALimit) {
    testing_support::ScratchDir dir("decode-stats");
    dbc::CanDatabase database;
    ASSERT_TRUE(dbc::loadDbcText(database,
                                 "BO_ 256 Engine: 8 ECU\n"
                                 " SG_ Mode M : 0|8@1+ (1,0) [0|255] \"\" X\n"
                                 " SG_ A m1 : 8|8@1+ (1,0) [0|255] \"\" X\n",
                                 dir / "log"));
    const dbc::DbcMessage& message = database.messages[0];
    const dbc::DbcSignal& mode = message.signals[0];
    decode::DecodeStats stats;
    stats.shortFrame(message);
    stats.shortFrame(message);
    ASSERT_EQ(stats.shortByMessage().size(), 1u);
    EXPECT_EQ(stats.shortByMessage()[0].frames, 2u);
    EXPECT_EQ(stats.shortByMessage()[0].message, "Engine");
    for (int64_t value = 100; value > 50; --value) stats.unmatchedSwitch(message, mode, value);
    stats.unmatchedSwitch(message, mode, 60);  // seen before
    const std::vector<decode::UnmatchedSwitch> switches = stats.unmatchedSwitches();
    ASSERT_EQ(switches.size(), 1u);
    EXPECT_EQ(switches[0].frames, 51u);
    EXPECT_EQ(switches[0].values.size(), decode::UnmatchedSwitch::kMaxValues);
    EXPECT_TRUE(switches[0].moreValues);
    EXPECT_TRUE(std::is_sorted(switches[0].values.begin(), switches[0].values.end()));
    EXPECT_EQ(switches[0].values.front(), 69);  // the 32 first seen: 100 down to 69
}

}  // namespace
