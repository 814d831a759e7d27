#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "platform/profile.h"
#include "platform/profile_text.h"
#include "platform/text_encoding.h"
#include "tests/support/test_paths.h"

namespace {

using settings::ConversionSettings;
using settings::StoredShellSettings;
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
    settings.columns.rawData = true;
    settings.delimiter.assign(1, u';');
    settings.timeStamps = static_cast<settings::TimeStamps>(0);
    StoredShellSettings shell{u"old", 1};
    settings::loadSettings(dir / "missing.ini", settings, shell);
    EXPECT_EQ(shell.folder, currentFolder());
    EXPECT_EQ(shell.fileFilter, 0);
    EXPECT_EQ(static_cast<int32_t>(settings.channels), 0);
    EXPECT_EQ(static_cast<int32_t>(settings.timeStamps), 1);
    EXPECT_TRUE(settings.columns.channel && settings.columns.identifier &&
                settings.columns.message && settings.columns.description && settings.columns.unit);
    EXPECT_FALSE(settings.columns.rawData);
    EXPECT_FALSE(settings.additionalCsv);
    EXPECT_EQ(static_cast<int32_t>(settings.encoding), 0);
    EXPECT_EQ(static_cast<int32_t>(settings.lineEnd), 0);
    EXPECT_EQ(settings.delimiter, u",");
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
    settings::loadSettings(ini, settings, shell);
    EXPECT_EQ(shell.folder, currentFolder());
    EXPECT_EQ(shell.fileFilter, 1);
    EXPECT_EQ(static_cast<int32_t>(settings.channels), 0);
    EXPECT_EQ(static_cast<int32_t>(settings.timeStamps), 2);
    EXPECT_FALSE(settings.columns.channel);
    EXPECT_FALSE(settings.columns.identifier);
    EXPECT_TRUE(settings.columns.message);
    EXPECT_TRUE(settings.columns.description);  // absent: its default
    EXPECT_TRUE(settings.columns.rawData);
    EXPECT_EQ(settings.delimiter, u"");
    EXPECT_TRUE(settings.additionalCsv);
    EXPECT_EQ(static_cast<int32_t>(settings.encoding), 2);
    EXPECT_EQ(static_cast<int32_t>(settings.lineEnd), 0);
}

// The command line names every key whose word the file holds but the program does not know;
// a missing key is no mistake, and the value read is the same as without the list.
TEST(SettingsStore, UnknownWordsAreListedWithTheWordTakenInstead) {
    ScratchDir dir("settings-unknown");
    const auto ini = dir / "t.ini";
    testing_support::writeFileBytes(ini,
                                    "[txtcvtParams]\r\nsignalLine=CH1 Only\r\nprintCh=yes\r\n"
                                    "printID=\r\nprintMsg=False\r\ntimeStamp=elapsed\r\n");
    ConversionSettings settings;
    StoredShellSettings shell;
    std::vector<settings::UnknownSettingsWord> unknown;
    settings::loadSettings(ini, settings, shell, &unknown);
    ASSERT_EQ(unknown.size(), 3u);
    EXPECT_EQ(unknown[0].key, u"signalLine");
    EXPECT_EQ(unknown[0].word, u"CH1 Only");
    EXPECT_EQ(unknown[0].used, u"All");
    EXPECT_EQ(unknown[0].words.size(), 3u);
    EXPECT_EQ(unknown[1].key, u"printCh");
    EXPECT_EQ(unknown[1].word, u"yes");
    EXPECT_EQ(unknown[1].used, u"False");
    EXPECT_EQ(unknown[2].key, u"printID");
    EXPECT_EQ(unknown[2].word, u"");
    EXPECT_EQ(settings.channels, settings::Channels::kAll);
    EXPECT_FALSE(settings.columns.channel);
    EXPECT_FALSE(settings.columns.message);
    EXPECT_EQ(settings.timeStamps, settings::TimeStamps::kElapsed);
}

TEST(SettingsStore, SavingWritesTheFourteenKeysInOrder) {
    ScratchDir dir("settings-save");
    const auto ini = dir / "s.ini";
    ConversionSettings settings;
    StoredShellSettings shell{u"C:\\Data", 0};
    EXPECT_TRUE(settings::saveSettings(ini, settings, shell));
    const std::vector<std::string> expected = {
        "[txtcvtSettings]", "folder=C:\\Data",       "fileFilter=*.DT",     "[txtcvtParams]",
        "signalLine=All",   "timeStamp=time of day", "printCh=True",        "printID=True",
        "printMsg=True",    "printUnit=True",        "printEnum=True",      "printRaw=False",
        "csvDelimit=,",     "[txtcvtExParams]",      "csvAdditional=False", "csvOutCode=JIS",
        "csvLinefeed=CRLF",
    };
    EXPECT_EQ(fileLines(ini), expected);
    EXPECT_EQ(settings::settingsKeys().size(), 14u);
}

TEST(SettingsStore, EveryChoiceSurvivesASaveAndALoad) {
    ScratchDir dir("settings-roundtrip");
    ConversionSettings saved;
    saved.channels = static_cast<settings::Channels>(2);
    saved.timeStamps = static_cast<settings::TimeStamps>(0);
    saved.columns.channel = saved.columns.unit = false;
    saved.columns.rawData = saved.additionalCsv = true;
    saved.encoding = static_cast<settings::Encoding>(1);
    saved.lineEnd = static_cast<settings::LineEnd>(2);
    StoredShellSettings shell{u"/data/\u30C7\u30FC\u30BF", 1};
    // Delimiters that the profile reader would strip of blanks or quotes come back as typed.
    const std::u16string delimiters[] = {u" ", u"\\t ", u" ; ", u"'x'", u"\"", u"\u00B7"};
    int round = 0;
    for (const std::u16string& delimiter : delimiters) {
        const auto ini = dir / (std::to_string(round++) + ".ini");
        saved.delimiter = delimiter;
        ASSERT_TRUE(settings::saveSettings(ini, saved, shell));
        ConversionSettings loaded;
        StoredShellSettings loadedShell;
        settings::loadSettings(ini, loaded, loadedShell);
        EXPECT_EQ(loaded.delimiter, delimiter);
        EXPECT_EQ(loadedShell.folder, shell.folder);
        EXPECT_EQ(loadedShell.fileFilter, 1);
        EXPECT_EQ(static_cast<int32_t>(loaded.channels), 2);
        EXPECT_EQ(static_cast<int32_t>(loaded.timeStamps), 0);
        EXPECT_FALSE(loaded.columns.channel || loaded.columns.unit);
        EXPECT_TRUE(loaded.columns.identifier && loaded.columns.rawData && loaded.additionalCsv);
        EXPECT_EQ(static_cast<int32_t>(loaded.encoding), 1);
        EXPECT_EQ(static_cast<int32_t>(loaded.lineEnd), 2);
    }
}

TEST(SettingsStore, ValuesOutOfRangeAreWrittenAsTheOtherWordAndLongTextsAreCut) {
    ScratchDir dir("settings-range");
    const auto ini = dir / "o.ini";
    ConversionSettings settings;
    settings.channels = static_cast<settings::Channels>(9);
    settings.timeStamps = static_cast<settings::TimeStamps>(-4);
    settings.encoding = static_cast<settings::Encoding>(3);
    StoredShellSettings shell{u"f", 5};
    ASSERT_TRUE(settings::saveSettings(ini, settings, shell));
    EXPECT_EQ(platform::readProfileString(ini, u"txtcvtParams", u"signalLine", u""), u"All");
    EXPECT_EQ(platform::readProfileString(ini, u"txtcvtParams", u"timeStamp", u""), u"time of day");
    EXPECT_EQ(platform::readProfileString(ini, u"txtcvtExParams", u"csvOutCode", u""), u"JIS");
    EXPECT_EQ(platform::readProfileString(ini, u"txtcvtSettings", u"fileFilter", u""), u"*.DT");
    ASSERT_TRUE(
        platform::writeProfileString(ini, u"txtcvtParams", u"csvDelimit", u"0123456789abcdefghij"));
    ASSERT_TRUE(
        platform::writeProfileString(ini, u"txtcvtSettings", u"folder", std::u16string(300, u'f')));
    settings::loadSettings(ini, settings, shell);
    EXPECT_EQ(settings.delimiter, u"0123456789abcde");
    EXPECT_EQ(shell.folder, std::u16string(259, u'f'));
}

}  // namespace
