#include "platform/text_encoding.h"

#include <gtest/gtest.h>

namespace {

using platform::utf16ToUtf8;
using platform::utf8ToUtf16;

TEST(TextEncoding, Utf8AndUtf16RoundTripEveryPlane) {
    const std::u16string text = u"a\u00B7\u3042\U0001F600z";
    const std::string utf8 = utf16ToUtf8(text);
    EXPECT_EQ(utf8, "a\xC2\xB7\xE3\x81\x82\xF0\x9F\x98\x80z");
    EXPECT_EQ(utf8ToUtf16(utf8), text);
    EXPECT_EQ(utf16ToUtf8(u""), "");
}

TEST(TextEncoding, BrokenInputBecomesReplacementCharacters) {
    // A lone surrogate of either kind, and a high surrogate at the very end.
    EXPECT_EQ(utf16ToUtf8(std::u16string{u'a', 0xDC00, u'b'}),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(utf16ToUtf8(std::u16string{0xD800, u'x'}), "\xEF\xBF\xBDx");
    EXPECT_EQ(utf16ToUtf8(std::u16string{u'x', 0xD800}), "x\xEF\xBF\xBD");
    // A stray continuation byte, an overlong slash, an encoded surrogate, a cut sequence.
    EXPECT_EQ(utf8ToUtf16("\x80"
                          "a"),
              u"\uFFFDa");
    EXPECT_EQ(utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");
    EXPECT_EQ(utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD");
    EXPECT_EQ(utf8ToUtf16("a\xE3\x81"), u"a\uFFFD");
    EXPECT_EQ(utf8ToUtf16("\xF4\x90\x80\x80"), u"\uFFFD");
}

TEST(TextEncoding, AnsiCodePageUsesItsDefaultCharacterForTheRest) {
    const uint32_t saved = platform::ansiCodePage();
    ASSERT_TRUE(platform::setAnsiCodePage(1252));
    EXPECT_EQ(platform::ansiCodePage(), 1252u);
    EXPECT_EQ(platform::utf16ToAnsi(u"\u00B7"), "\xB7");
    EXPECT_EQ(platform::utf16ToAnsi(u";\u20AC\t"), ";\x80\t");
    // No look-alike letters: A with macron is not in 1252 and becomes '?'; each half of a
    // surrogate pair does too.
    EXPECT_EQ(platform::utf16ToAnsi(u"\u0100x\U0001F600"), "?x??");
    ASSERT_TRUE(platform::setAnsiCodePage(932));
    EXPECT_EQ(platform::utf16ToAnsi(u"\u3042,"), "\x82\xA0,");
    EXPECT_FALSE(platform::setAnsiCodePage(4242));
    EXPECT_EQ(platform::ansiCodePage(), 932u);
    platform::setAnsiCodePage(saved);
}

TEST(TextEncoding, PathsSurviveTheTripThroughUtf16) {
    const std::u16string name = u"dir/\u30C7\u30FC\u30BF #1.DT";
    EXPECT_EQ(platform::pathToUtf16(platform::pathFromUtf16(name)), name);
}

}  // namespace
