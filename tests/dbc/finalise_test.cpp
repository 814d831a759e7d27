#include "dbc/finalise.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/dbc/dbc_text.h"

namespace {

using dbc::CanDatabase;
using dbc::DbcSignal;

std::string sig(const std::string& name, const std::string& indicator = "") {
    return " SG_ " + name + " " + indicator + " : 0|8@1+ (1,0) [0|255] \"\" X\n";
}

const DbcSignal& signalNamed(const dbc::DbcMessage& message, const std::string& name) {
    for (const DbcSignal& s : message.signals) {
        if (s.name == name) return s;
    }
    throw std::runtime_error("no signal " + name);
}

std::vector<std::pair<int32_t, int32_t>> ranges(const DbcSignal& s) {
    std::vector<std::pair<int32_t, int32_t>> out;
    for (const auto& r : s.muxRanges) out.emplace_back(r.low, r.high);
    return out;
}

TEST(Finalise, SortsByRawIdAndSetsExtendedFlag) {
    CanDatabase db;
    dbc::DbcParser parser(db);
    dbc_test::load(parser, "BO_ 2147483904 Ext: 8 X\n" + sig("a") + "BO_ 2047 Max: 8 X\n" +
                               sig("b") + "BO_ 256 Std: 8 X\n" + sig("c"));
    ASSERT_EQ(db.messages.size(), 3u);
    EXPECT_EQ(db.messages[0].name, "Std");
    EXPECT_EQ(db.messages[1].name, "Max");
    EXPECT_EQ(db.messages[2].name, "Ext");
    EXPECT_EQ(db.messages[2].canId, 0x100u);
    EXPECT_TRUE(db.messages[2].isExtended);
    EXPECT_FALSE(db.messages[0].isExtended);
    // The last message of the file had no statement after it and still arrived.
    EXPECT_EQ(db.messages[0].signals.size(), 1u);
    EXPECT_EQ(dbc::messageCount(db), 3);
    EXPECT_EQ(dbc::signalCount(db), 3);
}

TEST(Finalise, SimpleMultiplexing) {
    CanDatabase db;
    dbc::DbcParser parser(db);
    dbc_test::load(parser, "BO_ 1 M: 8 X\n" + sig("S", "M") + sig("A", "m3") + sig("B") +
                               "BO_ 2 N: 8 X\n" + sig("Lone", "m3") + sig("Sw", "m2M") +
                               sig("Bare", "m"));
    const auto& first = db.messages.at(0);
    EXPECT_TRUE(signalNamed(first, "S").isMuxSwitch);
    EXPECT_EQ(signalNamed(first, "S").muxSwitchName, "");
    EXPECT_EQ(signalNamed(first, "A").muxSwitchName, "S");
    EXPECT_EQ(ranges(signalNamed(first, "A")), (std::vector<std::pair<int32_t, int32_t>>{{3, 3}}));
    EXPECT_EQ(signalNamed(first, "B").muxSwitchName, "");
    EXPECT_TRUE(signalNamed(first, "B").muxRanges.empty());
    const auto& second = db.messages.at(1);
    // m3 without any switch of its own message: no switch name, but its range. The message's
    // switch is "Sw" (m2M), and Lone takes it.
    EXPECT_EQ(signalNamed(second, "Lone").muxSwitchName, "Sw");
    EXPECT_TRUE(signalNamed(second, "Sw").isMuxSwitch);
    EXPECT_EQ(signalNamed(second, "Sw").muxSwitchName, "");
    EXPECT_TRUE(signalNamed(second, "Sw").muxRanges.empty());
    EXPECT_TRUE(signalNamed(second, "Bare").muxRanges.empty());
}

TEST(Finalise, IndicatorWithoutSwitchKeepsRange) {
    CanDatabase db;
    dbc::DbcParser parser(db);
    dbc_test::load(parser, "BO_ 1 M: 8 X\n" + sig("A", "m3") + sig("B"));
    const DbcSignal& a = signalNamed(db.messages.at(0), "A");
    EXPECT_EQ(a.muxSwitchName, "");
    EXPECT_EQ(ranges(a), (std::vector<std::pair<int32_t, int32_t>>{{3, 3}}));
}

TEST(Finalise, ExtendedMultiplexingReplacesIndicatorRange) {
    CanDatabase db;
    dbc::DbcParser parser(db);
    dbc_test::load(parser, "BO_ 1 M: 8 X\n" + sig("S", "M") + sig("A", "m1") + sig("T", "m1M") +
                               sig("Plain") +
                               "SG_MUL_VAL_ 1 A S 1-3, 5-5;\nSG_MUL_VAL_ 1 A T 7-7;\n"
                               "SG_MUL_VAL_ 1 T S 1-1;\nSG_MUL_VAL_ 1 Plain S 4-4;\n"
                               "SG_MUL_VAL_ 2 A S 9-9;\n");
    const auto& m = db.messages.at(0);
    EXPECT_EQ(signalNamed(m, "A").muxSwitchName, "S");
    EXPECT_EQ(ranges(signalNamed(m, "A")),
              (std::vector<std::pair<int32_t, int32_t>>{{1, 3}, {5, 5}}));
    EXPECT_TRUE(signalNamed(m, "T").isMuxSwitch);
    EXPECT_EQ(signalNamed(m, "T").muxSwitchName, "S");
    EXPECT_EQ(ranges(signalNamed(m, "T")), (std::vector<std::pair<int32_t, int32_t>>{{1, 1}}));
    // Without an indicator a signal is not multiplexed, whatever SG_MUL_VAL_ says.
    EXPECT_EQ(signalNamed(m, "Plain").muxSwitchName, "");
    EXPECT_TRUE(signalNamed(m, "Plain").muxRanges.empty());
}

TEST(Finalise, ValueTypesAndDescriptionsFirstRecordWins) {
    CanDatabase db;
    dbc::DbcParser parser(db);
    dbc_test::load(parser,
                   "BO_ 1 M: 8 X\n" + sig("I") + sig("F") + sig("D") + sig("V") +
                       "BO_ 2147483649 E: 8 X\n" + sig("V") +
                       "SIG_VALTYPE_ 1 I : 0;\nSIG_VALTYPE_ 1 F : 1;\nSIG_VALTYPE_ 1 D : 2;\n"
                       "SIG_VALTYPE_ 1 I : 1;\n"
                       "VAL_ 1 V 2 \"two\" 1 \"one\";\nVAL_ 1 V 9 \"nine\";\n"
                       "VAL_ 2147483649 V 5 \"ext\";\n");
    const auto& m = db.messages.at(0);
    EXPECT_FALSE(signalNamed(m, "I").isFloat);
    EXPECT_TRUE(signalNamed(m, "F").isFloat);
    EXPECT_TRUE(signalNamed(m, "D").isFloat);
    const auto& entries = signalNamed(m, "V").valueDescriptions.entries;
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].text, "one");
    EXPECT_EQ(entries[1].text, "two");
    EXPECT_EQ(signalNamed(db.messages.at(1), "V").valueDescriptions.entries.at(0).text, "ext");
    EXPECT_TRUE(signalNamed(m, "I").valueDescriptions.entries.empty());
}

TEST(Finalise, StateCodes) {
    CanDatabase db;
    dbc::DbcParser parser(db);
    EXPECT_EQ(dbc::finaliseDatabase(parser), dbc::kFinaliseNothingLoaded);
    EXPECT_EQ(dbc::messageCount(db), -1);
    dbc_test::feed(parser, "BO_ 1 M: 8 X\n" + sig("A"));
    EXPECT_EQ(dbc::signalCount(db), -1);
    EXPECT_EQ(dbc::finaliseDatabase(parser), 0);
    EXPECT_EQ(dbc::finaliseDatabase(parser), dbc::kFinaliseAlreadyDone);
    db.loadState = 7;
    EXPECT_EQ(dbc::finaliseDatabase(parser), dbc::kFinaliseBadState);
    dbc::resetDatabase(db);
    EXPECT_EQ(dbc::messageCount(db), -1);
    EXPECT_EQ(dbc::signalCount(db), -1);
    EXPECT_TRUE(db.messages.empty());
}

TEST(Finalise, IndependentSignalMessageOnly) {
    CanDatabase db;
    dbc::DbcParser parser(db);
    dbc_test::load(parser,
                   "BO_ 3221225472 VECTOR__INDEPENDENT_SIG_MSG: 0 Vector__XXX\n" + sig("A"));
    EXPECT_EQ(dbc::messageCount(db), 0);
    EXPECT_EQ(dbc::signalCount(db), 0);
}

// A VAL_ applies to every signal of its name in its message; the signals share its entries, so a
// large set used by many same-named signals is held once, not once per signal.
TEST(Finalise, SameNamedSignalsShareOneValueDescriptionSet) {
    std::string text = "BO_ 1 M: 8 X\n";
    for (int i = 0; i < 2000; ++i) text += sig("S");
    text += sig("T");
    text += "VAL_ 1 S";
    for (int v = 999; v >= 0; --v) {  // appended piece by piece: MinGW's -Wrestrict misfires on +
        const std::string number = std::to_string(v);
        text.append("\n").append(number).append(" \"d").append(number).append("\"");
    }
    text += ";\n";
    CanDatabase db;
    dbc_test::load(db, text);
    const auto& signals = db.messages.at(0).signals;
    ASSERT_EQ(signals.size(), 2001u);
    const auto& first = signals[0].valueDescriptions.entries;
    ASSERT_EQ(first.size(), 1000u);
    EXPECT_EQ(first[0].value, 0);
    EXPECT_EQ(first[999].text, "d999");
    EXPECT_EQ(signals[1999].valueDescriptions.entries.data(), first.data());
    EXPECT_TRUE(signals[2000].valueDescriptions.entries.empty());
    // 2000 copies of 1000 entries would be some 30 MB.
    EXPECT_LT(db.store.bytesHeld(), size_t{2} << 20);
}

}  // namespace
