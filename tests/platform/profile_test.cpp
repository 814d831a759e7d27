// The same expectations hold for the Win32 profile functions (under Wine) and for the reader and
// writer of other systems.
#include "platform/profile.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "platform/profile_text.h"
#include "platform/text_encoding.h"
#include "tests/support/test_paths.h"

namespace {

using platform::readProfileString;
using platform::writeProfileString;
using testing_support::ScratchDir;
using testing_support::writeFileBytes;

// The file's non-blank lines with the blanks around them dropped, whatever its encoding.
std::vector<std::string> fileLines(const std::filesystem::path& path) {
    const std::u16string text =
        platform::profile::decodeProfileBytes(testing_support::readFileBytes(path));
    std::istringstream in(platform::utf16ToUtf8(text));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

TEST(Profile, ReadsValuesAsThePrivateProfileFunctionsDo) {
    ScratchDir dir("profile-read");
    const auto ini = dir / "a.ini";
    writeFileBytes(ini,
                   "[Other]\r\nkey=other\r\n"
                   "[Main]\r\n"
                   "  Spaced  =   both sides   \r\n"
                   "double=\"  kept  \"\r\n"
                   "single='x'\r\n"
                   "half=\"open\r\n"
                   "equation=a=b=c\r\n"
                   "empty=\r\n"
                   "; comment=not a key? it is a line like any other\r\n");
    EXPECT_EQ(readProfileString(ini, u"main", u"SPACED", u"d"), u"both sides");
    EXPECT_EQ(readProfileString(ini, u"Main", u"double", u"d"), u"  kept  ");
    EXPECT_EQ(readProfileString(ini, u"Main", u"single", u"d"), u"x");
    EXPECT_EQ(readProfileString(ini, u"Main", u"half", u"d"), u"\"open");
    EXPECT_EQ(readProfileString(ini, u"Main", u"equation", u"d"), u"a=b=c");
    EXPECT_EQ(readProfileString(ini, u"Main", u"empty", u"d"), u"");
    // A key of another section, a missing key, a missing section, a missing file.
    EXPECT_EQ(readProfileString(ini, u"Main", u"key", u"d"), u"d");
    EXPECT_EQ(readProfileString(ini, u"Main", u"absent", u"d"), u"d");
    EXPECT_EQ(readProfileString(ini, u"None", u"key", u"d"), u"d");
    EXPECT_EQ(readProfileString(dir / "missing.ini", u"Main", u"key", u"def"), u"def");
}

TEST(Profile, ReadsUtf16FilesWithAByteOrderMark) {
    ScratchDir dir("profile-utf16");
    std::string bytes = "\xFF\xFE";
    for (char16_t c : std::u16string(u"[S]\r\nfolder=C:\\\u30C7\u30FC\u30BF\r\n")) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    writeFileBytes(dir / "w.ini", bytes);
    EXPECT_EQ(readProfileString(dir / "w.ini", u"S", u"folder", u""), u"C:\\\u30C7\u30FC\u30BF");
}

TEST(Profile, WritingUpdatesInPlaceAndAppendsWhatIsMissing) {
    ScratchDir dir("profile-write");
    const auto ini = dir / "b.ini";
    writeFileBytes(ini, "[First]\r\na=1\r\nb=2\r\n\r\n[Second]\r\nc=3\r\n");
    EXPECT_TRUE(writeProfileString(ini, u"first", u"A", u"one"));
    EXPECT_TRUE(writeProfileString(ini, u"First", u"new", u"4"));
    EXPECT_TRUE(writeProfileString(ini, u"Third", u"d", u"5"));
    const std::vector<std::string> expected = {"[First]",  "a=one", "b=2",     "new=4",
                                               "[Second]", "c=3",   "[Third]", "d=5"};
    // The key keeps the spelling of the file on Windows; compare names without case.
    std::vector<std::string> lines = fileLines(ini);
    ASSERT_EQ(lines.size(), expected.size());
    if (lines[1] == "A=one") lines[1] = "a=one";
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(readProfileString(ini, u"FIRST", u"a", u""), u"one");
}

TEST(Profile, WritingCreatesTheFileAndKeepsAnyCharacter) {
    ScratchDir dir("profile-create");
    const auto ini = dir / "c.ini";
    EXPECT_TRUE(writeProfileString(ini, u"S", u"folder", u"/tmp/\u30C7\u30FC\u30BF \u00B7"));
    EXPECT_TRUE(writeProfileString(ini, u"S", u"quoted", u"\" \""));
    EXPECT_EQ(readProfileString(ini, u"S", u"folder", u""), u"/tmp/\u30C7\u30FC\u30BF \u00B7");
    EXPECT_EQ(readProfileString(ini, u"S", u"quoted", u""), u" ");
    // What an INI line cannot hold is refused and leaves the file as it was.
    EXPECT_FALSE(writeProfileString(ini, u"S", u"bad", u"two\r\nlines"));
    EXPECT_FALSE(writeProfileString(ini, u"S", u"k=v", u"x"));
    EXPECT_EQ(readProfileString(ini, u"S", u"bad", u"none"), u"none");
    EXPECT_FALSE(writeProfileString(dir / "no-folder" / "d.ini", u"S", u"k", u"v"));
}

TEST(ProfileText, KeepsOtherLinesAndTheLineEndOfTheText) {
    using platform::profile::setProfileValue;
    EXPECT_EQ(setProfileValue(u"; note\n[A]\nx = 1 \n\n[B]\ny=2", u"a", u"x", u"9"),
              u"; note\n[A]\nx=9\n\n[B]\ny=2");
    EXPECT_EQ(setProfileValue(u"[A]\nx=1\n\n[B]\ny=2", u"A", u"z", u"3"),
              u"[A]\nx=1\nz=3\n\n[B]\ny=2");
    EXPECT_EQ(setProfileValue(u"[B]\ny=2", u"B", u"z", u"3"), u"[B]\ny=2\nz=3");
    EXPECT_EQ(setProfileValue(u"[B]\r\ny=2", u"C", u"z", u"3"), u"[B]\r\ny=2\r\n[C]\r\nz=3\r\n");
    EXPECT_EQ(setProfileValue(u"", u"C", u"z", u""), u"[C]\r\nz=\r\n");
    // Only the first section of a name counts, for reading and for writing.
    const std::u16string twice = u"[A]\r\nx=1\r\n[A]\r\nx=2\r\n";
    EXPECT_EQ(platform::profile::findProfileValue(twice, u"A", u"x"), u"1");
    EXPECT_EQ(setProfileValue(twice, u"A", u"x", u"3"), u"[A]\r\nx=3\r\n[A]\r\nx=2\r\n");
}

TEST(ProfileText, DecodesByTheByteOrderMark) {
    using platform::profile::decodeProfileBytes;
    EXPECT_EQ(decodeProfileBytes("\xEF\xBB\xBFk=\xC2\xB7"), u"k=\u00B7");
    EXPECT_EQ(decodeProfileBytes(std::string("\xFE\xFF\x00k\x30\x42", 6)), u"k\u3042");
    EXPECT_EQ(decodeProfileBytes(std::string("\xFF\xFEk\x00x", 5)), u"k");  // odd byte dropped
    EXPECT_EQ(decodeProfileBytes("k=\xFF"), u"k=\uFFFD");
}

// Found by the settings fuzzer: a value set after a last line that ends in a bare CR (a file cut
// between CR and LF) was glued to that line and could not be read back.
TEST(ProfileText, ValueSetAfterALastLineEndingInABareCarriageReturn) {
    using platform::profile::findProfileValue;
    using platform::profile::setProfileValue;
    EXPECT_EQ(setProfileValue(u"[A]\r\nx=1\r", u"A", u"z", u"3"), u"[A]\r\nx=1\r\r\nz=3");
    const std::string found(
        "[\x00\x0D\x0D\x0D\x0D\x0D\x0D\x0D\x0D\x0D\x0D\x0D=\x0D\x0D\x0D\x0D\x0D\x0D"
        "\x0D\x0D\x0D\x0D\x0D\x0D\x0D\x0D\x0D\x0D\x0D\x0D\x0D\x0D\x0D\x0D\x0D\x0D"
        "\x0D\x0D\x0D\x0D*\x0D\x0D\x0D\x0D\x0D\x0D\x0D[tx\xFF\xFE[\x00t\x00x\x00"
        "t\x00\xCD\x00v\x00t=*.DT\x0A[txtcvtParams]\x0Asiv\x00t\x0D\x0D\x0D\x0D\x0D"
        "\x0D\x0D\x0D\x0D\x0DlLine=\x0D\x0D"
        "C\x10s\x00]\x00\x0D\x00\x0A\x00\x00H1\x0D\x0D",
        127);
    const std::u16string text = platform::profile::decodeProfileBytes(found);
    const std::u16string updated = setProfileValue(text, u"txtcvtParams", u"csvDelimit", u"V");
    EXPECT_EQ(findProfileValue(updated, u"txtcvtParams", u"csvDelimit"), u"V");
    EXPECT_EQ(updated.substr(0, text.size()), text);
}

}  // namespace
