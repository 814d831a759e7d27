#include "decode/selection.h"

#include <gtest/gtest.h>

#include "dbc/loader.h"
#include "tests/support/test_paths.h"

namespace {

using decode::IdRange;

TEST(Selection, WildcardsNamesAndIdentifierLists) {
    EXPECT_TRUE(decode::matchesPattern("Engine*", "EngineSpeed"));
    EXPECT_TRUE(decode::matchesPattern("*Speed", "WheelSpeed"));
    EXPECT_TRUE(decode::matchesPattern("E?g*e", "Engine"));
    EXPECT_TRUE(decode::matchesPattern("*", ""));
    EXPECT_TRUE(decode::matchesPattern("a*b*c", "aXbYbZc"));
    EXPECT_TRUE(decode::matchesPattern("*x", "*ax"));  // a star in the name is a character
    EXPECT_FALSE(decode::matchesPattern("engine*", "EngineSpeed"));  // case matters
    EXPECT_FALSE(decode::matchesPattern("Engine", "EngineSpeed"));
    EXPECT_FALSE(decode::matchesPattern("?", ""));
    // Long runs of stars stay linear.
    EXPECT_FALSE(decode::matchesPattern(std::string(200, '*') + "x", std::string(5000, 'a')));

    std::vector<IdRange> ranges = {{0x100, 0x1FF}, {0x18FEF100, 0x18FEF100}, {0x7FF, 0x7FF}};
    EXPECT_TRUE(can::idSelected(ranges, 0x100) && can::idSelected(ranges, 0x1FF));
    EXPECT_TRUE(can::idSelected(ranges, 0x18FEF100) && can::idSelected(ranges, 0x7FF));
    EXPECT_FALSE(can::idSelected(ranges, 0x200) || can::idSelected(ranges, 0xFF));
    EXPECT_TRUE(can::idSelected({}, 0x123));
}

TEST(Selection, SignalsAndMessagesNarrowEachOtherAndUnmatchedPatternsAreNamed) {
    dbc::CanDatabase database;
    ASSERT_TRUE(dbc::loadDbcFile(database,
                                 testing_support::sourceDir() / "examples" / "vehicle.dbc",
                                 testing_support::ScratchDir("selection") / "log"));
    const auto& messages = database.messages;
    const auto find = [&](std::string_view name) -> const dbc::DbcMessage& {
        for (const auto& message : messages) {
            if (message.name == name) return message;
        }
        throw std::runtime_error("no message");
    };
    std::vector<std::string> unmatched;
    decode::SelectionRequest request;
    request.messages = {"Diag*", "Nowhere"};
    request.signals = {"OilPressure", "Engine*.EngineSpeed", "Missing.*"};
    const decode::SignalSelection selection(database, request, &unmatched);
    EXPECT_EQ(unmatched, (std::vector<std::string>{"Nowhere", "Missing.*"}));
    const auto& diagnostics = find("Diagnostics");
    EXPECT_TRUE(selection.messageSelected(diagnostics));
    EXPECT_FALSE(selection.signalSelected(diagnostics, diagnostics.signals[0]));  // PageIndex
    EXPECT_TRUE(selection.signalSelected(diagnostics, diagnostics.signals[1]));   // OilPressure
    // EngineData.EngineSpeed matches --signals but not --messages: every filter narrows.
    EXPECT_FALSE(selection.messageSelected(find("EngineData")));
}

}  // namespace
