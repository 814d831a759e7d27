#include "settings/output_settings.h"

#include <gtest/gtest.h>

#include "platform/profile.h"
#include "tests/support/test_paths.h"

namespace {

using settings::OutputSettings;
using testing_support::ScratchDir;

TEST(OutputSettingsStore, AnUntouchedChoiceLeavesTheFileAsItWas) {
    ScratchDir dir("output-settings-untouched");
    const auto ini = dir / "s.ini";
    const std::string older = "[txtcvtParams]\r\nsignalLine=All\r\n";
    testing_support::writeFileBytes(ini, older);
    OutputSettings loaded;
    loaded.format = settings::OutputKind::kBlf;
    loaded.openFolder = true;
    std::vector<settings::UnknownSettingsWord> unknown;
    settings::loadOutputSettings(ini, loaded, &unknown);
    EXPECT_EQ(loaded, OutputSettings{});
    EXPECT_TRUE(unknown.empty());
    ASSERT_TRUE(settings::saveOutputSettings(ini, loaded));
    EXPECT_EQ(testing_support::readFileBytes(ini), older);

    // A choice made once is written, and its return to the default too.
    OutputSettings chosen;
    chosen.table = settings::TableShape::kWideHold;
    ASSERT_TRUE(settings::saveOutputSettings(ini, chosen));
    EXPECT_EQ(platform::readProfileString(ini, u"txtcvtOutput", u"table", u""), u"wide hold");
    EXPECT_EQ(platform::readProfileString(ini, u"txtcvtOutput", u"outputFormat", u"<none>"),
              u"<none>");
    ASSERT_TRUE(settings::saveOutputSettings(ini, OutputSettings{}));
    EXPECT_EQ(platform::readProfileString(ini, u"txtcvtOutput", u"table", u""), u"long");
}

TEST(OutputSettingsStore, EveryChoiceSurvivesASaveAndALoad) {
    ScratchDir dir("output-settings-roundtrip");
    const settings::OutputKind formats[] = {settings::OutputKind::kXlsx, settings::OutputKind::kAsc,
                                            settings::OutputKind::kBlf,
                                            settings::OutputKind::kCandump};
    const settings::TableShape tables[] = {settings::TableShape::kWide,
                                           settings::TableShape::kWideHold,
                                           settings::TableShape::kResampled};
    int round = 0;
    for (settings::OutputKind format : formats) {
        for (settings::TableShape table : tables) {
            const auto ini = dir / (std::to_string(round++) + ".ini");
            OutputSettings saved;
            saved.format = format;
            saved.table = table;
            saved.resamplePeriod = u" 0.5s";
            saved.signalsDatabase = u"C:\\db\\\u8eca.dbc";
            saved.signals = u"EngineData.EngineSpeed,VehicleSpeed.*";
            saved.inputFiles = settings::InputFiles::kCanLogs;
            saved.dbcPerChannel = round % 2 == 0;
            saved.openFolder = round % 2 == 1;
            ASSERT_TRUE(settings::saveOutputSettings(ini, saved));
            OutputSettings loaded;
            settings::loadOutputSettings(ini, loaded);
            EXPECT_EQ(loaded, saved) << round;
        }
    }
    EXPECT_EQ(settings::outputSettingsKeys().size(), 8u);
}

TEST(OutputSettingsStore, UnknownWordsTakeTheDefaultAndLongTextsAreCut) {
    ScratchDir dir("output-settings-words");
    const auto ini = dir / "w.ini";
    testing_support::writeFileBytes(ini,
                                    "[txtcvtOutput]\r\noutputFormat=xlsx\r\ntable=Wide\r\n"
                                    "openFolder=True\r\nresamplePeriod=" +
                                        std::string(40, '1') + "\r\n");
    OutputSettings loaded;
    std::vector<settings::UnknownSettingsWord> unknown;
    settings::loadOutputSettings(ini, loaded, &unknown);
    EXPECT_EQ(loaded.format, settings::OutputKind::kCsv);
    EXPECT_EQ(loaded.table, settings::TableShape::kLong);
    EXPECT_TRUE(loaded.openFolder);
    EXPECT_EQ(loaded.resamplePeriod, std::u16string(32, u'1'));
    ASSERT_EQ(unknown.size(), 2u);
    EXPECT_EQ(unknown[0].key, u"outputFormat");
    EXPECT_EQ(unknown[0].word, u"xlsx");
    EXPECT_EQ(unknown[0].used, u"CSV");
    EXPECT_EQ(unknown[1].key, u"table");
}

}  // namespace
