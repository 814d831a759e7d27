#include "workbook/workbook_text.h"

#include <gtest/gtest.h>

#include "platform/text_encoding.h"

namespace {

using workbook::isWorkbookUtf8;
using workbook::workbookText;

TEST(WorkbookText, OnlyUtf8AWorkbookCanHoldPassesAsItIs) {
    struct Case {
        std::string_view bytes;
        bool holds;
    };
    const Case cases[] = {
        {"EngineSpeed", true},
        {"", true},
        {"Tab\tand\x01 control", true},        // escaped by the library
        {"\xC2\xB0\x43", true},                // U+00B0
        {"\xE2\x84\x83", true},                // U+2103
        {"\xF0\x9F\x9A\x97", true},            // U+1F697
        {"\xB0\x43", false},                   // Latin-1
        {"\xC0\x80", false},                   // overlong NUL
        {"\xE0\x80\xAF", false},               // overlong slash
        {"\xED\xA0\x80", false},               // a surrogate
        {"\xEF\xBF\xBE", false},               // U+FFFE
        {"\xEF\xBF\xBF", false},               // U+FFFF
        {"\xF4\x90\x80\x80", false},           // past U+10FFFF
        {"\xE2\x84", false},                   // cut short
        {std::string_view("a\0b", 3), false},  // NUL
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isWorkbookUtf8(c.bytes), c.holds) << testing::PrintToString(c.bytes);
        if (c.holds) {
            EXPECT_EQ(workbookText(c.bytes), c.bytes);
        }
    }
}

TEST(WorkbookText, OtherTextsAreReadInTheAnsiCodePageCutAtNulAndToACellsLength) {
    ASSERT_TRUE(platform::setAnsiCodePage(1252));
    EXPECT_EQ(workbookText("\xB0\x43"), "\xC2\xB0\x43");
    EXPECT_EQ(workbookText("\x80 5"), "\xE2\x82\xAC 5");  // the euro sign of 1252
    EXPECT_EQ(workbookText("M\xFChle"), "M\xC3\xBChle");
    EXPECT_EQ(workbookText(std::string_view("ab\0\xB0", 4)), "ab");
    EXPECT_TRUE(isWorkbookUtf8(workbookText("\x81\x8D\x8F\x90\x9D\xFF")));  // undefined in 1252
    if (platform::setAnsiCodePage(932)) {
        EXPECT_EQ(workbookText("\x83\x65\x83\x58\x83\x67"), "\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88");
        EXPECT_TRUE(isWorkbookUtf8(workbookText("\x83")));  // a lead byte alone
        platform::setAnsiCodePage(1252);
    }
    // A cell holds 32767 characters: a longer text is cut between two characters.
    std::string longText(workbook::kMaxCellCharacters - 1, 'x');
    longText += "\xC3\xA9\xC3\xA9";
    const std::string cut = workbookText(longText);
    EXPECT_EQ(cut.size(), workbook::kMaxCellCharacters + 1);
    EXPECT_EQ(cut.substr(cut.size() - 2), "\xC3\xA9");
    EXPECT_EQ(workbookText(std::string(40000, '\xE9')).size(), 2 * workbook::kMaxCellCharacters);

    workbook::WorkbookTexts texts;
    EXPECT_STREQ(texts("\xB0\x43"), "\xC2\xB0\x43");
    EXPECT_STREQ(texts("rpm"), "rpm");
    EXPECT_STREQ(texts("\xB0\x43"), "\xC2\xB0\x43");
}

}  // namespace
