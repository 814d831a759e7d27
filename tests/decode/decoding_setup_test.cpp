#include "decode/decoding_setup.h"

#include <gtest/gtest.h>

#include "dbc/loader.h"
#include "tests/support/test_paths.h"

namespace {

class DecodingSetup : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dbc::loadDbcText(
            body, "BO_ 256 Doors: 8 X\n SG_ Open : 0|8@1+ (1,0) [0|1] \"\" X\n", dir / "body.log"));
        ASSERT_TRUE(dbc::loadDbcText(
            engine, "BO_ 2364540158 EEC1: 8 X\n SG_ Speed : 0|16@1+ (1,0) [0|9] \"rpm\" X\n",
            dir / "engine.log"));
    }
    testing_support::ScratchDir dir{"decoding-setup"};
    dbc::CanDatabase body;
    dbc::CanDatabase engine;
};

TEST_F(DecodingSetup, APatternIsUnmatchedOnlyWhenNoDatabaseOfTheRunHasIt) {
    decode::SelectionRequest request;
    request.signals = {"Open", "Speed", "Nowhere*"};
    std::vector<std::string> unmatched;
    const decode::DecodingSetup setup(&body, &engine, request, false, unmatched);
    EXPECT_EQ(unmatched, (std::vector<std::string>{"Nowhere*"}));
    const decode::Decoding& decoding = setup.decoding();
    EXPECT_EQ(decoding.of(0).database, &body);
    EXPECT_EQ(decoding.of(1).database, &engine);
    ASSERT_NE(decoding.of(0).selection, nullptr);
    EXPECT_NE(decoding.of(0).selection, decoding.of(1).selection);
    EXPECT_EQ(decoding.of(0).j1939, nullptr);
    EXPECT_TRUE(decoding.perChannel());
}

TEST_F(DecodingSetup, OneDatabaseForBothChannelsSharesItsSelectionAndJ1939Index) {
    decode::SelectionRequest request;
    request.messages = {"EEC1"};
    request.ids = {{0x100, 0x1FF}};
    std::vector<std::string> unmatched;
    const decode::DecodingSetup setup(&engine, &engine, request, true, unmatched);
    EXPECT_TRUE(unmatched.empty());
    const decode::Decoding& decoding = setup.decoding();
    EXPECT_FALSE(decoding.perChannel());
    EXPECT_EQ(decoding.of(0).selection, decoding.of(1).selection);
    ASSERT_NE(decoding.of(0).j1939, nullptr);
    EXPECT_EQ(decoding.of(0).j1939, decoding.of(1).j1939);
    ASSERT_EQ(decoding.ids.size(), 1u);
    // Without a selection every signal is kept: no selection is made at all.
    const decode::DecodingSetup all(&body, nullptr, {}, false, unmatched);
    EXPECT_EQ(all.decoding().of(0).selection, nullptr);
    EXPECT_EQ(all.decoding().of(1).database, nullptr);
}

TEST_F(DecodingSetup, SaysWhenTheFiltersTogetherKeepNothingOrIdentifiersNameNoMessage) {
    decode::SelectionRequest request;
    request.messages = {"Doors"};
    request.signals = {"Speed"};  // each matches something, never both
    request.ids = {{0x100, 0x100}, {0x7F0, 0x7FF}, {0x8CF00400, 0x8CF00400}};
    std::vector<std::string> unmatched;
    const decode::DecodingSetup setup(&body, &engine, request, false, unmatched);
    EXPECT_TRUE(unmatched.empty());
    EXPECT_FALSE(setup.keepsAnySignal());
    const std::vector<decode::IdRange> none = setup.idsMatchingNoMessage();
    ASSERT_EQ(none.size(), 2u);
    EXPECT_EQ(none[0].low, 0x7F0u);
    request.signals = {"Open"};
    const decode::DecodingSetup keeps(&body, &engine, request, false, unmatched);
    EXPECT_TRUE(keeps.keepsAnySignal());
    EXPECT_TRUE(decode::DecodingSetup(&body, nullptr, {}, false, unmatched).keepsAnySignal());
}

TEST_F(DecodingSetup, AnyChannelNumberTakesItsOwnDatabaseOrTheOneOfEveryChannel) {
    decode::SelectionRequest request;
    request.signals = {"Open", "Speed"};
    std::vector<std::string> unmatched;
    const decode::DecodingSetup own(nullptr, {{7, &engine}, {2, &body}, {4, &engine}}, request,
                                    true, unmatched);
    EXPECT_TRUE(unmatched.empty());
    const decode::Decoding& decoding = own.decoding();
    ASSERT_EQ(decoding.own.size(), 3u);
    EXPECT_EQ(decoding.own[0].first, 2);  // in channel order
    EXPECT_EQ(decoding.of(2).database, &body);
    EXPECT_EQ(decoding.of(7).database, &engine);
    EXPECT_EQ(decoding.of(4).selection, decoding.of(7).selection);  // one per database
    EXPECT_EQ(decoding.of(4).j1939, decoding.of(7).j1939);
    EXPECT_EQ(decoding.of(0).database, nullptr);  // no database: its frames are unknown
    EXPECT_EQ(decoding.of(65535).database, nullptr);
    EXPECT_TRUE(decoding.perChannel());
    const std::vector<decode::DecodingSetup::ChannelDatabase> none;
    const decode::DecodingSetup every(&engine, none, request, false, unmatched);
    EXPECT_EQ(every.decoding().of(300).database, &engine);
    EXPECT_FALSE(every.decoding().perChannel());
}

}  // namespace
