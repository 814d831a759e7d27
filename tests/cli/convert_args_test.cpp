#include "cli/convert_args.h"

#include <gtest/gtest.h>

namespace {

using cli::ConvertRequest;

TEST(ConvertArguments, OptionsTakeTheirValueAfterABlankOrAnEqualsSign) {
    ConvertRequest r;
    ASSERT_EQ(cli::parseConvertArguments({"--dbc", "car.dbc", "a.DT", "--jobs=3", "--channel",
                                          "ch2", "--quiet", "--", "--odd.DT"},
                                         r),
              "");
    EXPECT_EQ(r.dbcPath, "car.dbc");
    EXPECT_EQ(r.jobs, 3u);
    EXPECT_EQ(r.channels, settings::Channels::kCh2);
    EXPECT_TRUE(r.quiet);
    EXPECT_EQ(r.inputs, (cli::Arguments{"a.DT", "--odd.DT"}));
    EXPECT_FALSE(r.timeStamps.has_value());
    EXPECT_FALSE(r.columns.has_value());
}

TEST(ConvertArguments, EveryWordOfEveryChoice) {
    ConvertRequest r;
    ASSERT_EQ(cli::parseConvertArguments({"--dbc=x", "--timestamp", "elapsed", "--encoding",
                                          "utf8-bom", "--line-end", "cr", "--delimiter", "\\t",
                                          "--ansi-codepage", "932", "--settings", "s.ini", "in"},
                                         r),
              "");
    EXPECT_EQ(r.timeStamps, settings::TimeStamps::kElapsed);
    EXPECT_EQ(r.encoding, settings::Encoding::kUtf8Bom);
    EXPECT_EQ(r.lineEnd, settings::LineEnd::kCr);
    EXPECT_EQ(r.delimiter, "\\t");
    EXPECT_EQ(r.ansiCodePage, 932u);
    EXPECT_EQ(r.settingsPath, "s.ini");
    ASSERT_EQ(cli::parseConvertArguments({"--dbc=x", "--timestamp=none", "--encoding=ansi",
                                          "--line-end=crlf", "--channel=all", "in"},
                                         r),
              "");
    EXPECT_EQ(r.timeStamps, settings::TimeStamps::kNone);
    EXPECT_EQ(r.encoding, settings::Encoding::kAnsi);
    EXPECT_EQ(r.lineEnd, settings::LineEnd::kCrLf);
    EXPECT_EQ(r.channels, settings::Channels::kAll);
}

TEST(ConvertArguments, ColumnsReplaceTheDefaultSet) {
    ConvertRequest r;
    ASSERT_EQ(cli::parseConvertArguments({"--dbc=x", "--columns", "raw,ch", "in"}, r), "");
    ASSERT_TRUE(r.columns.has_value());
    EXPECT_TRUE(r.columns->rawData);
    EXPECT_TRUE(r.columns->channel);
    EXPECT_FALSE(r.columns->identifier || r.columns->message || r.columns->unit ||
                 r.columns->description);
    ASSERT_EQ(cli::parseConvertArguments({"--dbc=x", "--columns=", "in"}, r), "");
    ASSERT_TRUE(r.columns.has_value());
    EXPECT_FALSE(r.columns->channel || r.columns->rawData);
}

TEST(ConvertArguments, ChoiceWordsInAnyCase) {
    ConvertRequest r;
    ASSERT_EQ(cli::parseConvertArguments(
                  {"--dbc=x", "--channel=CH1", "--encoding", "UTF8-Bom", "--line-end=LF",
                   "--timestamp=Elapsed", "--columns=CH,Raw", "in"},
                  r),
              "");
    EXPECT_EQ(r.channels, settings::Channels::kCh1);
    EXPECT_EQ(r.encoding, settings::Encoding::kUtf8Bom);
    EXPECT_EQ(r.lineEnd, settings::LineEnd::kLf);
    EXPECT_EQ(r.timeStamps, settings::TimeStamps::kElapsed);
    EXPECT_EQ(r.columns, (settings::Columns{true, false, false, false, false, true}));
}

TEST(ConvertArguments, DelimitersThatStandForNothingOrAreCutAreWarnedAbout) {
    EXPECT_TRUE(cli::delimiterWarnings(",").empty());
    EXPECT_TRUE(cli::delimiterWarnings("\\t").empty());
    EXPECT_TRUE(cli::delimiterWarnings("\\\\").empty());
    EXPECT_EQ(cli::delimiterWarnings("\\x;").size(), 1u);  // \x stands for nothing
    EXPECT_EQ(cli::delimiterWarnings("a\\").size(), 1u);   // a lone backslash at the end
    EXPECT_EQ(cli::delimiterWarnings("").size(), 1u);      // empty
    EXPECT_EQ(cli::delimiterWarnings("\\q").size(), 2u);   // stands for nothing, so empty
    EXPECT_EQ(cli::delimiterWarnings(std::string(16, ';')).size(), 1u);  // cut to 15
}

TEST(ConvertArguments, MistakesAreReportedNotGuessed) {
    ConvertRequest r;
    EXPECT_NE(cli::parseConvertArguments({"a.DT"}, r), "");
    EXPECT_NE(cli::parseConvertArguments({"--dbc", "x"}, r), "");
    EXPECT_NE(cli::parseConvertArguments({"--dbc", "x", "--jobs", "0", "a"}, r), "");
    EXPECT_NE(cli::parseConvertArguments({"--dbc", "x", "--jobs", "2x", "a"}, r), "");
    EXPECT_NE(cli::parseConvertArguments({"--dbc", "x", "--columns", "ch,", "a"}, r), "");
    EXPECT_NE(cli::parseConvertArguments({"--dbc", "x", "--columns", "time", "a"}, r), "");
    EXPECT_NE(cli::parseConvertArguments({"--dbc", "x", "--channel", "CH3", "a"}, r), "");
    EXPECT_NE(cli::parseConvertArguments({"--dbc", "x", "--channel", "ch1 ", "a"}, r), "");
    EXPECT_NE(cli::parseConvertArguments({"--dbc", "x", "--bogus", "1", "a"}, r), "");
    EXPECT_NE(cli::parseConvertArguments({"--dbc", "x", "a", "--jobs"}, r), "");
    EXPECT_NE(cli::parseConvertArguments({"--dbc", "x", "--ansi-codepage", "70000", "a"}, r), "");
}

}  // namespace

namespace {

TEST(ConvertArguments, AWorkbookTakesNoCsvOptionsAndNoStandardOutput) {
    ConvertRequest r;
    ASSERT_EQ(cli::parseConvertArguments({"--dbc=x", "--format", "XLSX", "in"}, r), "");
    EXPECT_EQ(r.format, tables::OutputFormat::kXlsx);
    EXPECT_TRUE(cli::workbookWarnings(r).empty());
    ASSERT_EQ(
        cli::parseConvertArguments({"--dbc=x", "--format=xlsx", "--delimiter", ";", "--encoding",
                                    "utf8", "--line-end", "lf", "--time-format", "iso8601", "in"},
                                   r),
        "");
    const std::vector<std::string> warnings = cli::workbookWarnings(r);
    ASSERT_EQ(warnings.size(), 4u);
    EXPECT_EQ(warnings[0], "--delimiter does not apply to a workbook: its columns are cells");
    EXPECT_EQ(warnings[3].rfind("--time-format iso8601", 0), 0u);
    EXPECT_NE(cli::parseConvertArguments({"--dbc=x", "--format=xlsx", "--output", "-", "in"}, r),
              "");
    EXPECT_EQ(cli::parseConvertArguments({"--dbc=x", "--format=pdf", "in"}, r),
              "invalid value 'pdf' for --format");
    // The same options make no warning for a CSV table.
    ASSERT_EQ(cli::parseConvertArguments({"--dbc=x", "--delimiter", ";", "in"}, r), "");
    EXPECT_TRUE(cli::workbookWarnings(r).empty());
}

}  // namespace
