#include "app/settings_store.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "platform/profile.h"
#include "platform/profile_text.h"
#include "platform/text_encoding.h"
#include "tests/support/test_paths.h"

namespace {

using app::ConversionSettings;
using app::StoredShellSettings;
using testing_support::ScratchDir;

std::u16string currentFolder() { return platform::pathToUtf16(std::filesystem::current_path()); }

// The file's non-blank lines, whatever its encoding and line ends.
std::vector<std::string> fileLines(const std::filesystem::path& path) {
    std::istringstream in(platform::utf16ToUtf8(
        platform::profile::decodeProfileBytes(testing_support::readFileBytes(path))));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

TEST(SettingsStore, NoFileGivesTheDefaults) {
    ScratchDir dir("settings-none");
    ConversionSettings settings;
    settings.printRaw = true;
    settings.csvDelimit = u";";
    settings.timeStamp = 0;
    StoredShellSettings shell{u"old", 1};
    app::loadSettings(dir / "missing.ini", settings, shell);
    EXPECT_EQ(shell.folder, currentFolder());
    EXPECT_EQ(shell.fileFilter, 0);
    EXPECT_EQ(settings.signalLine, 0);
    EXPECT_EQ(settings.timeStamp, 1);
    EXPECT_TRUE(settings.printCh && settings.printID && settings.printMsg && settings.printEnum &&
                settings.printUnit);
    EXPECT_FALSE(settings.printRaw);
    EXPECT_FALSE(settings.csvAdditional);
    EXPECT_EQ(settings.csvOutCode, 0);
    EXPECT_EQ(settings.csvLinefeed, 0);
    EXPECT_EQ(settings.csvDelimit, u",");
}

TEST(SettingsStore, WordsAreComparedExactlyAndEmptyIsNotMissing) {
    ScratchDir dir("settings-words");
    const auto ini = dir / "t.ini";
    testing_support::writeFileBytes(
        ini,
        "[txtcvtSettings]\r\nfolder=\r\nfileFilter=#*.DT\r\n"
        "[txtcvtParams]\r\nsignalLine=ch1 only\r\ntimeStamp=elapsed\r\n"
        "printCh=true\r\nprintID=\r\nprintMsg=True\r\nprintRaw=True\r\n"
        "csvDelimit=\r\n"
        "[txtcvtExParams]\r\ncsvAdditional=True\r\ncsvOutCode=UTF-8 BOM\r\n"
        "csvLinefeed=Lf\r\n");
    ConversionSettings settings;
    StoredShellSettings shell;
    app::loadSettings(ini, settings, shell);
    EXPECT_EQ(shell.folder, currentFolder());
    EXPECT_EQ(shell.fileFilter, 1);
    EXPECT_EQ(settings.signalLine, 0);
    EXPECT_EQ(settings.timeStamp, 2);
    EXPECT_FALSE(settings.printCh);
    EXPECT_FALSE(settings.printID);
    EXPECT_TRUE(settings.printMsg);
    EXPECT_TRUE(settings.printEnum);  // absent: its default
    EXPECT_TRUE(settings.printRaw);
    EXPECT_EQ(settings.csvDelimit, u"");
    EXPECT_TRUE(settings.csvAdditional);
    EXPECT_EQ(settings.csvOutCode, 2);
    EXPECT_EQ(settings.csvLinefeed, 0);
}

TEST(SettingsStore, SavingWritesTheFourteenKeysInOrder) {
    ScratchDir dir("settings-save");
    const auto ini = dir / "s.ini";
    ConversionSettings settings;
    StoredShellSettings shell{u"C:\\Data", 0};
    EXPECT_TRUE(app::saveSettings(ini, settings, shell));
    const std::vector<std::string> expected = {
        "[txtcvtSettings]", "folder=C:\\Data",       "fileFilter=*.DT",     "[txtcvtParams]",
        "signalLine=All",   "timeStamp=time of day", "printCh=True",        "printID=True",
        "printMsg=True",    "printUnit=True",        "printEnum=True",      "printRaw=False",
        "csvDelimit=,",     "[txtcvtExParams]",      "csvAdditional=False", "csvOutCode=JIS",
        "csvLinefeed=CRLF",
    };
    EXPECT_EQ(fileLines(ini), expected);
    EXPECT_EQ(app::settingsKeys().size(), 14u);
}

TEST(SettingsStore, EveryChoiceSurvivesASaveAndALoad) {
    ScratchDir dir("settings-roundtrip");
    ConversionSettings saved;
    saved.signalLine = 2;
    saved.timeStamp = 0;
    saved.printCh = saved.printUnit = false;
    saved.printRaw = saved.csvAdditional = true;
    saved.csvOutCode = 1;
    saved.csvLinefeed = 2;
    StoredShellSettings shell{u"/data/\u30C7\u30FC\u30BF", 1};
    // Delimiters that the profile reader would strip of blanks or quotes come back as typed.
    const std::u16string delimiters[] = {u" ", u"\\t ", u" ; ", u"'x'", u"\"", u"\u00B7"};
    int round = 0;
    for (const std::u16string& delimiter : delimiters) {
        const auto ini = dir / (std::to_string(round++) + ".ini");
        saved.csvDelimit = delimiter;
        ASSERT_TRUE(app::saveSettings(ini, saved, shell));
        ConversionSettings loaded;
        StoredShellSettings loadedShell;
        app::loadSettings(ini, loaded, loadedShell);
        EXPECT_EQ(loaded.csvDelimit, delimiter);
        EXPECT_EQ(loadedShell.folder, shell.folder);
        EXPECT_EQ(loadedShell.fileFilter, 1);
        EXPECT_EQ(loaded.signalLine, 2);
        EXPECT_EQ(loaded.timeStamp, 0);
        EXPECT_FALSE(loaded.printCh || loaded.printUnit);
        EXPECT_TRUE(loaded.printID && loaded.printRaw && loaded.csvAdditional);
        EXPECT_EQ(loaded.csvOutCode, 1);
        EXPECT_EQ(loaded.csvLinefeed, 2);
    }
}

TEST(SettingsStore, ValuesOutOfRangeAreWrittenAsTheOtherWordAndLongTextsAreCut) {
    ScratchDir dir("settings-range");
    const auto ini = dir / "o.ini";
    ConversionSettings settings;
    settings.signalLine = 9;
    settings.timeStamp = -4;
    settings.csvOutCode = 3;
    StoredShellSettings shell{u"f", 5};
    ASSERT_TRUE(app::saveSettings(ini, settings, shell));
    EXPECT_EQ(platform::readProfileString(ini, u"txtcvtParams", u"signalLine", u""), u"All");
    EXPECT_EQ(platform::readProfileString(ini, u"txtcvtParams", u"timeStamp", u""), u"time of day");
    EXPECT_EQ(platform::readProfileString(ini, u"txtcvtExParams", u"csvOutCode", u""), u"JIS");
    EXPECT_EQ(platform::readProfileString(ini, u"txtcvtSettings", u"fileFilter", u""), u"*.DT");
    ASSERT_TRUE(
        platform::writeProfileString(ini, u"txtcvtParams", u"csvDelimit", u"0123456789abcdefghij"));
    ASSERT_TRUE(
        platform::writeProfileString(ini, u"txtcvtSettings", u"folder", std::u16string(300, u'f')));
    app::loadSettings(ini, settings, shell);
    EXPECT_EQ(settings.csvDelimit, u"0123456789abcde");
    EXPECT_EQ(shell.folder, std::u16string(259, u'f'));
}

}  // namespace
