#include "app/command_line.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TEST(CommandLine, NoArgumentsKeepEveryDefault) {
    for (const wchar_t* line : {L"txtcvt.exe", L"\"C:\\Program Files\\txtcvt\\txtcvt.exe\"",
                                L"\"C:\\Program Files\\txtcvt\\txtcvt.exe\"   \t ", L""}) {
        const CommandLineOptions options = parseCommandLine(line);
        EXPECT_FALSE(options.settingsPath.has_value()) << line;
        EXPECT_TRUE(options.folder.empty()) << line;
        EXPECT_TRUE(options.titleSuffix.empty()) << line;
        EXPECT_FALSE(options.uiLanguageForced) << line;
    }
}

TEST(CommandLine, UiLanguageWithOrWithoutBlankAfterTheLetter) {
    struct Case {
        const wchar_t* line;
        uint16_t language;
        const wchar_t* folder;
    };
    const Case cases[] = {
        {L"txtcvt.exe -l1041", 1041, L""},
        {L"txtcvt.exe -l 1041", 1041, L""},
        {L"txtcvt.exe -l\t1033", 1033, L""},
        {L"txtcvt.exe -l1033 D:\\data", 1033, L"D:\\data"},
        {L"txtcvt.exe -lxyz", 0, L""},      // not a number: 0, rest of the token skipped
        {L"txtcvt.exe -l abc", 0, L"abc"},  // nothing read, the next token stands alone
        {L"txtcvt.exe -l1041x D:\\d", 1041, L"D:\\d"},
        {L"txtcvt.exe -l66577", 1041, L""},          // low 16 bits of 0x10411
        {L"txtcvt.exe -l99999999999", 0xFFFF, L""},  // saturates like the C library
        {L"txtcvt.exe -l1031 -l1041", 1041, L""},
    };
    for (const Case& c : cases) {
        const CommandLineOptions options = parseCommandLine(c.line);
        EXPECT_TRUE(options.uiLanguageForced) << c.line;
        EXPECT_EQ(options.uiLanguage, c.language) << c.line;
        EXPECT_EQ(options.folder, c.folder) << c.line;
    }
}

TEST(CommandLine, FolderQuotedOrSplitIntoWords) {
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe \"C:\\My Data\"").folder, L"C:\\My Data");
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe C:\\My Data").folder, L"Data");
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe \"C:\\unclosed dir").folder, L"\"C:\\unclosed dir");
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe \"").folder, L"");
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe \"C:\\a\"b").folder, L"b");

    const std::wstring longest(259, L'f');
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe D:\\keep " + longest).folder, longest);
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe D:\\keep " + longest + L"f").folder, L"D:\\keep");
    // The limit counts the quotes too.
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe D:\\keep \"" + std::wstring(257, L'f') + L"\"").folder,
              std::wstring(257, L'f'));
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe D:\\keep \"" + longest + L"\"").folder, L"D:\\keep");
}

TEST(CommandLine, TitleSuffixFirstTakenStays) {
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe -tBench").titleSuffix, L"Bench");
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe -t\"Bench 2\"").titleSuffix, L"Bench 2");

    const CommandLineOptions split = parseCommandLine(L"txtcvt.exe -tBench 2");
    EXPECT_EQ(split.titleSuffix, L"Bench");
    EXPECT_EQ(split.folder, L"2");

    EXPECT_EQ(parseCommandLine(L"txtcvt.exe -tOne -tTwo").titleSuffix, L"One");
    // Not taken values do not block a later one.
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe -t\"open -tTwo").titleSuffix, L"");
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe -t -tTwo").titleSuffix, L"Two");
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe -t\"open\"x -tTwo").titleSuffix, L"open");
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe -t\" -tTwo").titleSuffix, L"");

    const std::wstring fits(63, L't');
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe -t" + fits).titleSuffix, fits);
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe -t" + fits + L"t -tShort").titleSuffix, L"Short");
}

TEST(CommandLine, SettingsPathLastOneCounts) {
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe -sC:\\a.ini").settingsPath, L"C:\\a.ini");
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe -s\"C:\\my dir\\a.ini\"").settingsPath,
              L"C:\\my dir\\a.ini");
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe -sC:\\a.ini -sC:\\b.ini").settingsPath, L"C:\\b.ini");

    // A bare -s keeps the default path; the word after the blank names the folder.
    const CommandLineOptions bare = parseCommandLine(L"txtcvt.exe -s C:\\data");
    EXPECT_FALSE(bare.settingsPath.has_value());
    EXPECT_EQ(bare.folder, L"C:\\data");
    EXPECT_FALSE(parseCommandLine(L"txtcvt.exe -s\"\"").settingsPath.has_value());

    const std::wstring tooLong = L"C:\\" + std::wstring(257, L's');
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe -sC:\\a.ini -s" + tooLong).settingsPath, L"C:\\a.ini");
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe -s" + tooLong.substr(1)).settingsPath,
              tooLong.substr(1));
}

TEST(CommandLine, OtherLettersAndStrayDashes) {
    const CommandLineOptions ignored = parseCommandLine(L"txtcvt.exe -qD:\\x -l1041");
    EXPECT_TRUE(ignored.folder.empty());
    EXPECT_EQ(ignored.uiLanguage, 1041);

    // A dash at the very end stops the parsing; a lone dash elsewhere is passed over.
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe D:\\x -").folder, L"D:\\x");
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe - D:\\y").folder, L"D:\\y");
    EXPECT_EQ(parseCommandLine(L"txtcvt.exe -L1041").uiLanguageForced, false);
}

TEST(CommandLine, SettingsPathBesideProgram) {
    EXPECT_EQ(settingsPathBesideProgram(L"C:\\Tools\\txtcvt.exe"), L"C:\\Tools\\txtcvt.ini");
    EXPECT_EQ(settingsPathBesideProgram(L"C:\\v1.2\\txtcvt"), L"C:\\v1.2\\txtcvt.ini");
    EXPECT_EQ(settingsPathBesideProgram(L"C:\\a.b\\x.y.exe"), L"C:\\a.b\\x.y.ini");
    EXPECT_EQ(settingsPathBesideProgram(L""), L"");
}

}  // namespace
}  // namespace app
