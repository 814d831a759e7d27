#include "app/output_choice_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using settings::OutputKind;
using settings::OutputSettings;
using settings::TableShape;

OutputSettings chosen(OutputKind format, TableShape table) {
    OutputSettings output;
    output.format = format;
    output.table = table;
    return output;
}

struct ControlCase {
    OutputKind format;
    TableShape table;
    bool databaseLoaded;
    app::OutputControlStates expected;  // timestamp, columns, delimiter, additional, table,
                                        // period, signals
};

TEST(OutputChoiceRules, ControlsThatMeanNothingForTheOutputAreGreyed) {
    const ControlCase cases[] = {
        // The CSV as before: every control of the pane, the period only when resampling.
        {OutputKind::kCsv, TableShape::kLong, false, {true, true, true, true, true, false, false}},
        {OutputKind::kCsv, TableShape::kLong, true, {true, true, true, true, true, false, true}},
        {OutputKind::kCsv,
         TableShape::kResampled,
         true,
         {true, true, true, true, true, true, true}},
        // A workbook has no delimiter or character code.
        {OutputKind::kXlsx, TableShape::kWide, true, {true, true, false, false, true, false, true}},
        {OutputKind::kXlsx,
         TableShape::kResampled,
         false,
         {true, true, false, false, true, true, false}},
        // A CAN log takes every frame: no table, columns, time columns or signals.
        {OutputKind::kAsc,
         TableShape::kResampled,
         true,
         {false, false, false, false, false, false, false}},
        {OutputKind::kBlf,
         TableShape::kLong,
         true,
         {false, false, false, false, false, false, false}},
        {OutputKind::kCandump,
         TableShape::kWideHold,
         false,
         {false, false, false, false, false, false, false}},
    };
    for (const ControlCase& c : cases) {
        const app::OutputControlStates got =
            app::outputControlStates(chosen(c.format, c.table), c.databaseLoaded);
        const int row = static_cast<int>(&c - cases);
        EXPECT_EQ(got.timestamp, c.expected.timestamp) << row;
        EXPECT_EQ(got.columns, c.expected.columns) << row;
        EXPECT_EQ(got.delimiter, c.expected.delimiter) << row;
        EXPECT_EQ(got.csvAdditional, c.expected.csvAdditional) << row;
        EXPECT_EQ(got.table, c.expected.table) << row;
        EXPECT_EQ(got.period, c.expected.period) << row;
        EXPECT_EQ(got.signals, c.expected.signals) << row;
    }
    EXPECT_TRUE(app::outputNeedsDatabase(OutputKind::kCsv));
    EXPECT_TRUE(app::outputNeedsDatabase(OutputKind::kXlsx));
    EXPECT_FALSE(app::outputNeedsDatabase(OutputKind::kAsc));
    EXPECT_FALSE(app::outputNeedsDatabase(OutputKind::kBlf));
    EXPECT_FALSE(app::outputNeedsDatabase(OutputKind::kCandump));
}

TEST(OutputChoiceRules, ThePeriodIsTypedInMillisecondsAndKeptAsAPeriodWord) {
    uint64_t us = 0;
    EXPECT_TRUE(app::periodFromEdit(u"100", us));
    EXPECT_EQ(us, 100000u);
    EXPECT_TRUE(app::periodFromEdit(u"0.25", us));
    EXPECT_EQ(us, 250u);
    EXPECT_TRUE(app::periodFromEdit(u"86400000", us));
    for (const char16_t* bad : {u"", u"0", u"-5", u"1e3", u"10ms", u"86400001", u" 10", u"abc",
                                u"0.0001", u"1234567890123456789012345"}) {
        EXPECT_FALSE(app::periodFromEdit(bad, us)) << std::string(bad, bad + 1);
    }
    EXPECT_EQ(app::storedPeriod(u"0.5"), u"0.5ms");
    // What the pane shows for a stored word: the milliseconds as typed, a word in other units
    // in milliseconds, an unreadable word as it is.
    EXPECT_EQ(app::periodEditText(u"100ms"), u"100");
    EXPECT_EQ(app::periodEditText(u"0.5s"), u"500");
    EXPECT_EQ(app::periodEditText(u"250us"), u"0.25");
    EXPECT_EQ(app::periodEditText(u"1min"), u"60000");
    EXPECT_EQ(app::periodEditText(u"soon"), u"soon");
    EXPECT_EQ(app::periodEditText(u"ms"), u"ms");
}

TEST(OutputChoiceRules, TheJobsOptionsFollowTheChoices) {
    settings::ConversionSettings settings;
    settings.delimiter = u";";
    settings.channels = settings::Channels::kCh2;
    // Untouched: exactly the options of the settings alone.
    const tables::ConversionOptions plain = app::tableOptions(settings, OutputSettings{}, 5000);
    const tables::ConversionOptions before = tables::buildConversionOptions(settings);
    EXPECT_EQ(plain.delimiter, before.delimiter);
    EXPECT_EQ(plain.format, tables::OutputFormat::kCsv);
    EXPECT_EQ(plain.layout, tables::TableLayout::kLong);
    EXPECT_FALSE(plain.hold);
    EXPECT_EQ(plain.resampleMicroseconds, 0u);

    const auto wide = app::tableOptions(settings, chosen(OutputKind::kXlsx, TableShape::kWide), 1);
    EXPECT_EQ(wide.format, tables::OutputFormat::kXlsx);
    EXPECT_EQ(wide.layout, tables::TableLayout::kWide);
    EXPECT_FALSE(wide.hold);
    EXPECT_EQ(wide.resampleMicroseconds, 0u);
    const auto held =
        app::tableOptions(settings, chosen(OutputKind::kCsv, TableShape::kWideHold), 1);
    EXPECT_TRUE(held.hold);
    const auto resampled =
        app::tableOptions(settings, chosen(OutputKind::kCsv, TableShape::kResampled), 20000);
    EXPECT_EQ(resampled.layout, tables::TableLayout::kWide);
    EXPECT_EQ(resampled.resampleMicroseconds, 20000u);
    EXPECT_EQ(resampled.channels, settings::Channels::kCh2);

    EXPECT_EQ(app::exportOptions(settings, OutputKind::kBlf).format, run::FrameFormat::kBlf);
    EXPECT_EQ(app::exportOptions(settings, OutputKind::kBlf).channels, settings::Channels::kCh2);
    EXPECT_EQ(app::exportOptions(settings, OutputKind::kAsc).format, run::FrameFormat::kAsc);
    EXPECT_EQ(app::exportOptions(settings, OutputKind::kCandump).format,
              run::FrameFormat::kCandump);
    settings.channels = static_cast<settings::Channels>(7);
    EXPECT_EQ(app::exportOptions(settings, OutputKind::kAsc).channels, settings::Channels::kAll);

    const std::pair<OutputKind, const char*> extensions[] = {
        {OutputKind::kCsv, ".csv"}, {OutputKind::kXlsx, ".xlsx"},   {OutputKind::kAsc, ".asc"},
        {OutputKind::kBlf, ".blf"}, {OutputKind::kCandump, ".log"},
    };
    for (const auto& [format, extension] : extensions) {
        const run::OutputNaming naming = app::outputNaming(format);
        EXPECT_EQ(naming.extension, extension);
        EXPECT_TRUE(naming.directory.empty() && naming.single.empty());
    }

    EXPECT_EQ(app::loadLogName(false, 0), "dbcload.log");
    EXPECT_EQ(app::loadLogName(false, 1), "dbcload.log");
    EXPECT_EQ(app::loadLogName(true, 0), "dbcload-ch1.log");
    EXPECT_EQ(app::loadLogName(true, 1), "dbcload-ch2.log");
}

}  // namespace
