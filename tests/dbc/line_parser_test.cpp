#include "dbc/line_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/dbc/dbc_text.h"

namespace {

using dbc::CanDatabase;
using Results = std::vector<int32_t>;

constexpr const char* kMessage = "BO_ 100 Engine: 8 ECU\n";

struct LineCase {
    const char* name;
    std::string text;
    Results results;  // per line
    size_t signalsStored;
};

// Each case is one message followed by lines; the closing CM_ of finalisation ends it.
TEST(LineParser, ResultCodesPerLine) {
    const std::vector<LineCase> cases = {
        {"plain signal", " SG_ A : 0|8@1+ (1,0) [0|255] \"\" ECU", {0}, 1},
        {"sign after bit field",
         " SG_ A : 0|8@1+x (1,0) [0|1] \"\" X\n SG_ B : 8|8@1+ (1,0) [0|1] \"\" X",
         {103, 0},
         1},
        {"factor without comma", " SG_ A : 0|8@1+ (0.5 -40) [0|1] \"\" X", {100}, 0},
        {"comma glued or spaced",
         " SG_ A : 0|8@1+ (0.5,-40) [0|1] \"\" X\n SG_ B : 0|8@1+ (0.5, -40) [0|1] \"\" X",
         {0, 0},
         2},
        {"keyword inside scaling", " SG_ A : 0|8@1+ (1, BO_ 0) [0|1] \"\" X", {103}, 0},
        {"three names", " SG_ A m1 x : 0|8@1+ (1,0) [0|1] \"\" X", {103}, 0},
        {"colon before name", " SG_ : 0|8@1+ (1,0) [0|1] \"\" X", {103}, 0},
        {"range without bar", " SG_ A : 0|8@1+ (1,0) [0] \"\" X", {103}, 0},
        {"range with tail", " SG_ A : 0|8@1+ (1,0) [0|1]x \"\" X", {103}, 0},
        {"unit unquoted", " SG_ A : 0|8@1+ (1,0) [0|1] km X", {103}, 0},
        {"receiver not an identifier", " SG_ A : 0|8@1+ (1,0) [0|1] \"\" X-Y", {103}, 0},
        {"receivers on next line", " SG_ A : 0|8@1+ (1,0) [0|1] \"\"\n  X, Y", {0, 0}, 1},
        {"empty line", "\n SG_ A : 0|8@1+ (1,0) [0|1] \"\" X", {-1, 0}, 1},
        {"unknown word", "garbage here\n SG_ A : 0|8@1+ (1,0) [0|1] \"\" X", {0, 0}, 1},
        {"comment after code", " SG_ A : 0|8@1+ (1,0) [0|1] \"a//b\" X // note", {0}, 1},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        CanDatabase db;
        dbc::DbcParser parser(db);
        dbc_test::feed(parser, kMessage);
        EXPECT_EQ(dbc_test::feed(parser, c.text), c.results);
        ASSERT_EQ(dbc::finaliseDatabase(parser), 0);
        ASSERT_EQ(db.messages.size(), 1u);
        EXPECT_EQ(db.messages[0].signals.size(), c.signalsStored);
    }
}

TEST(LineParser, SignalFieldsAsWritten) {
    CanDatabase db;
    dbc::DbcParser parser(db);
    dbc_test::load(parser,
                   std::string(kMessage) +
                       " SG_ Speed m12 : 39|16@0- (0.01,-40) [100|0] \"km\\\"h\" A,Vector__XXX\n"
                       " SG_ Gear : 4|3@2+ (1,0) [0|7] \"\" A\n");
    ASSERT_EQ(db.messages.size(), 1u);
    const dbc::DbcSignal& speed = db.messages[0].signals.at(0);
    EXPECT_EQ(speed.name, "Speed");
    EXPECT_EQ(speed.muxIndicator, "m12");
    EXPECT_EQ(speed.startBit, 39);
    EXPECT_EQ(speed.bitLength, 16);
    EXPECT_FALSE(speed.isLittleEndian);
    EXPECT_TRUE(speed.isSigned);
    EXPECT_DOUBLE_EQ(speed.factor, 0.01);
    EXPECT_DOUBLE_EQ(speed.offset, -40.0);
    EXPECT_DOUBLE_EQ(speed.minimum, 0.0);  // swapped
    EXPECT_DOUBLE_EQ(speed.maximum, 100.0);
    EXPECT_EQ(speed.unit, "km\"h");
    EXPECT_TRUE(speed.receivers.empty());
    EXPECT_TRUE(db.messages[0].transmitters.empty());
    const dbc::DbcSignal& gear = db.messages[0].signals.at(1);
    EXPECT_TRUE(gear.isLittleEndian);
    EXPECT_FALSE(gear.isSigned);
}

TEST(LineParser, MessageHeader) {
    CanDatabase db;
    dbc::DbcParser parser(db);
    dbc_test::load(
        parser,
        "BO_ 2147483748 Ext: 8 ECU\n SG_ A : 0|8@1+ (1,0) [0|1] \"\" X\n"
        "BO_ 123456789012345678901234567890 Huge: 8 ECU\n"
        "BO_ 7 NoColon 8 ECU\n SG_ B : 0|8@1+ (1,0) [0|1] \"\" X\n"
        "BO_ 9 VECTOR__INDEPENDENT_SIG_MSG: 0 Vector__XXX\n SG_ C : 0|8@1+ (1,0) [0|1] \"\" X\n");
    ASSERT_EQ(db.messages.size(), 2u);
    EXPECT_EQ(db.messages[0].rawId, 0x80000064u);
    EXPECT_EQ(db.messages[0].canId, 100u);
    EXPECT_TRUE(db.messages[0].isExtended);
    // A 30-digit identifier saturates like strtoll and keeps its low 32 bits.
    EXPECT_EQ(db.messages[1].rawId, 0xFFFFFFFFu);
    EXPECT_EQ(db.messages[1].name, "Huge");
}

TEST(LineParser, StatementErrors) {
    const std::vector<std::pair<std::string, Results>> cases = {
        {" SG_ A : 0|8@1+ (1,0) [0|1] \"\" X", {103}},  // SG_ without a message
        {"BU_: A \"B\"", {103}},
        {"VAL_ Env 1 \"a\";", {103}},
        {"VAL_ 1 S 1 \"a\" 2;", {103}},
        {"VAL_ 1 S \"a\" 1;", {103}},
        {"VAL_ 1 S 1 2;", {103}},
        {"SG_MUL_VAL_ 1 A S 3-;", {103}},
        {"SG_MUL_VAL_ 1 A S 1-x;", {103}},
        {"BA_DEF_ BO_ \"A\" INT 1 2 3;", {103}},
        {"BA_DEF_ BO_ \"A\" ENU;", {103}},
        {"CM_ SG_ 304 \"no signal\";", {103}},
        {"EV_ E: 0 [0|1] \"\" 0 1 DUMMY X;", {0}},
        {"BA_REL_ \"A\" BU_SG_REL_ N SG_ 1 S 5;", {0}},
        {"BA_REL_ \"A\" BU_EV_REL_ N E 5;", {0}},
        {"BA_DEF_DEF_ \"A\" \"x\";\nBA_ \"A\" BO_ 1 \"y\";\nBO_TX_BU_ 1 : A,B;", {0, 0, 0}},
        {"SIG_GROUP_ 1 G 1 : A B;\nVAL_TABLE_ T 1 \"a\" 0 \"b\";", {0, 0}},
        {"VERSION \"1\"\nNS_ :\n  CM_\n  BA_\nBS_:", {0, 0, 0, 0, 0}},
        {std::string("\x80\xff\x01 binary ;;;::,,", 17), {0}},
        {"\"open quote never closed", {0}},
    };
    for (const auto& [text, results] : cases) {
        SCOPED_TRACE(text);
        CanDatabase db;
        dbc::DbcParser parser(db);
        EXPECT_EQ(dbc_test::feed(parser, text), results);
    }
}

TEST(LineParser, MultiLineStatementsAndComments) {
    CanDatabase db;
    dbc::DbcParser parser(db);
    db.storeMask = 0;  // keep the optional statements to see what was parsed
    dbc_test::feed(parser,
                   "CM_ BO_ 5 \"first\n// not a comment\nthird\";\n"
                   "BU_: A B // trailing\n C\n"
                   "VAL_ 1 S 2 \"two\" 1 \"one\"\n 3 \"th\\\"ree\" ;\n");
    ASSERT_EQ(db.comments.size(), 1u);
    EXPECT_EQ(db.comments[0].text, "first// not a commentthird");
    EXPECT_EQ(db.comments[0].target.messageId, 5u);
    ASSERT_EQ(db.nodes.size(), 3u);
    EXPECT_EQ(db.nodes[2].name, "C");
    ASSERT_EQ(db.valueDescriptionSets.size(), 1u);
    const auto& entries = db.valueDescriptionSets[0].entries;
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].text, "one");
    EXPECT_EQ(entries[2].text, "th\"ree");
}

TEST(LineParser, StoreMaskDropsOptionalStatements) {
    CanDatabase db;
    dbc::DbcParser parser(db);
    dbc_test::feed(parser,
                   "CM_ \"net\";\nBA_DEF_ \"A\" STRING;\nVAL_TABLE_ T 1 \"a\";\n"
                   "EV_ E: 0 [0|1] \"\" 0 1 D X;\nBO_TX_BU_ 1 : A;\nSIG_GROUP_ 1 G 1 : S;\n"
                   "VAL_ 1 S 1 \"a\";\nSIG_VALTYPE_ 1 S : 1;\nSG_MUL_VAL_ 1 S M 1-2;\n");
    EXPECT_TRUE(db.comments.empty());
    EXPECT_TRUE(db.attributeDefinitions.empty());
    EXPECT_TRUE(db.valueTables.empty());
    EXPECT_TRUE(db.environmentVariables.empty());
    EXPECT_TRUE(db.messageTransmitterLists.empty());
    EXPECT_TRUE(db.signalGroups.empty());
    EXPECT_EQ(db.valueDescriptionSets.size(), 1u);
    EXPECT_EQ(db.signalValueTypes.size(), 1u);
    ASSERT_EQ(db.extendedMultiplexing.size(), 1u);
    EXPECT_EQ(db.extendedMultiplexing[0].ranges.at(0).high, 2);
}

TEST(LineParser, ValueDescriptionsSortedAndDecimalOnly) {
    CanDatabase db;
    dbc::DbcParser parser(db);
    dbc_test::feed(parser, "VAL_ 1 S 3 \"c\" 1 \"a\" 2 \"b\" 1 \"a2\" 0x10 \"hex\" -5 \"neg\";");
    ASSERT_EQ(db.valueDescriptionSets.size(), 1u);
    std::vector<int64_t> values;
    for (const auto& entry : db.valueDescriptionSets[0].entries) values.push_back(entry.value);
    EXPECT_EQ(values, (std::vector<int64_t>{-5, 0, 1, 1, 2, 3}));
}

TEST(LineParser, LengthLimits) {
    CanDatabase db;
    dbc::DbcParser parser(db);
    EXPECT_EQ(dbc::parseDbcLine(parser, std::string(16383, 'x')), 0);
    EXPECT_EQ(dbc::parseDbcLine(parser, std::string(16384, 'x')), 101);
    // An unclosed quote keeps the statement waiting until the pending text is too long.
    EXPECT_EQ(dbc::parseDbcLine(parser, "CM_ \"open"), 0);
    int32_t result = 0;
    for (int i = 0; i < 10 && result == 0; ++i) {
        result = dbc::parseDbcLine(parser, std::string(10000, 'y'));
    }
    EXPECT_EQ(result, 101);
    EXPECT_TRUE(parser.pendingText().empty());
    EXPECT_EQ(parser.state(), 0);
    // Complete statements do not pile up in the pending text.
    for (int i = 0; i < 5000; ++i) ASSERT_EQ(dbc::parseDbcLine(parser, "VAL_ 1 S 1 \"a\";"), 0);
    EXPECT_LT(parser.pendingText().size(), 100u);
}

TEST(LineParser, CountsLinesAndRefusesAfterFinalise) {
    CanDatabase db;
    dbc::DbcParser parser(db);
    EXPECT_EQ(dbc_test::feed(parser, "\n\nVERSION \"\"\n"), (Results{-1, -1, 0}));
    EXPECT_EQ(parser.lineNumber(), 3);
    EXPECT_EQ(db.loadState, dbc::kLoading);
    ASSERT_EQ(dbc::finaliseDatabase(parser), 0);
    EXPECT_EQ(dbc::parseDbcLine(parser, "BO_ 1 A: 8 X"), 102);
    EXPECT_EQ(dbc::parseDbcLine(parser, ""), -1);
}

}  // namespace

namespace {

// CM_, BA_ and BA_REL_ name their object through the same reference fields.
TEST(LineParser, ObjectReferencesOfCommentsAndAttributes) {
    CanDatabase db;
    dbc::DbcParser parser(db);
    db.storeMask = 0;
    EXPECT_EQ(
        dbc_test::feed(parser,
                       "CM_ BU_ Gateway \"node\";\nCM_ EV_ Speed \"env\";\n"
                       "CM_ BO_ 100 \"msg\";\nCM_ SG_ 100 Rpm \"sig\";\nCM_ \"net\";\n"
                       "BA_ \"A\" BU_ Gateway 1;\nBA_ \"B\" SG_ 2147483748 Rpm \"x\";\n"
                       "BA_ \"C\" 3.5;\nBA_REL_ \"R\" BU_SG_REL_ Gateway SG_ 7 Rpm 9;\n"
                       "BA_REL_ \"S\" BU_BO_REL_ Gateway 8 \"v\";\n"
                       "BA_DEF_REL_ \"T\" STRING;\nBA_DEF_REL_ BU_EV_REL_ \"U\" FLOAT -1.5 2;\n"
                       "BA_DEF_ \"V\" ENUM \"a\",\"b\";\nBA_DEF_ SG_ \"W\" HEX 0;\n"),
        Results(14, 0));
    ASSERT_EQ(db.comments.size(), 5u);
    const auto target = [&](size_t i) { return db.comments[i].target; };
    EXPECT_EQ(target(0).kind, dbc::kObjectNode);
    EXPECT_EQ(target(0).nodeOrMessageName, "Gateway");
    EXPECT_EQ(target(1).envVarName, "Speed");
    EXPECT_EQ(target(1).nodeOrMessageName, "");
    EXPECT_EQ(target(2).messageId, 100u);
    EXPECT_EQ(target(3).signalName, "Rpm");
    EXPECT_EQ(target(4).kind, dbc::kObjectNetwork);
    EXPECT_EQ(db.comments[4].text, "net");
    ASSERT_EQ(db.attributeValues.size(), 5u);
    EXPECT_EQ(db.attributeValues[0].target.nodeOrMessageName, "Gateway");
    EXPECT_EQ(db.attributeValues[0].valueText, "1");
    EXPECT_FALSE(db.attributeValues[0].isString);
    EXPECT_EQ(db.attributeValues[1].target.messageId, 0x80000064u);
    EXPECT_EQ(db.attributeValues[1].target.signalName, "Rpm");
    EXPECT_TRUE(db.attributeValues[1].isString);
    EXPECT_EQ(db.attributeValues[2].target.kind, dbc::kObjectNetwork);
    EXPECT_EQ(db.attributeValues[3].target.kind, dbc::kRelationNodeSignal);
    EXPECT_EQ(db.attributeValues[3].target.messageId, 7u);
    EXPECT_EQ(db.attributeValues[3].target.signalName, "Rpm");
    EXPECT_EQ(db.attributeValues[4].target.kind, dbc::kRelationNodeMessage);
    EXPECT_EQ(db.attributeValues[4].target.messageId, 8u);
    ASSERT_EQ(db.relationAttributeDefinitions.size(), 2u);
    EXPECT_EQ(db.relationAttributeDefinitions[0].objectKind, dbc::kObjectRelation);
    EXPECT_EQ(db.relationAttributeDefinitions[1].objectKind, dbc::kRelationNodeEnvVar);
    EXPECT_DOUBLE_EQ(db.relationAttributeDefinitions[1].realMinimum, -1.5);
    EXPECT_TRUE(db.relationAttributeDefinitions[1].hasRange);
    ASSERT_EQ(db.attributeDefinitions.size(), 2u);
    EXPECT_EQ(db.attributeDefinitions[0].enumTexts, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(db.attributeDefinitions[1].objectKind, dbc::kObjectSignal);
    EXPECT_FALSE(db.attributeDefinitions[1].hasRange);
    // A missing ':' abandons the statement without an error; the next token starts a new one.
    EXPECT_EQ(dbc_test::feed(parser, "SIG_VALTYPE_ 1 S 1;\nBO_TX_BU_ 1 A;\nEV_ E 0;"),
              Results(3, 0));
    EXPECT_TRUE(db.messageTransmitterLists.empty());
    EXPECT_TRUE(db.environmentVariables.empty());
}

}  // namespace
