#include "cli/rules/convert_options.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "tests/support/test_paths.h"

namespace {

using cli::ConvertRequest;

std::string parse(const cli::Arguments& args, ConvertRequest& r) {
    const platform::Status status = cli::parseConvertArguments(args, r);
    return status.ok() ? std::string() : status.detail();
}

TEST(ConvertOptions, OptionsTakeTheirValueAfterABlankOrAnEqualsSign) {
    ConvertRequest r;
    ASSERT_EQ(parse({"--dbc", "car.dbc", "a.DT", "--jobs=3", "--channel", "ch2", "--quiet", "--",
                     "--odd.DT"},
                    r),
              "");
    EXPECT_EQ(r.dbcPath, "car.dbc");
    EXPECT_EQ(r.run.jobs, 3u);
    EXPECT_EQ(r.options.channels, settings::Channels::kCh2);
    EXPECT_TRUE(r.run.quiet);
    EXPECT_EQ(r.run.inputs, (cli::Arguments{"a.DT", "--odd.DT"}));
    // Without options of their own, the Windows program's defaults.
    EXPECT_EQ(r.options.timeStamps, settings::ConversionSettings{}.timeStamps);
    EXPECT_EQ(r.options.columns, settings::ConversionSettings{}.columns);
}

TEST(ConvertOptions, EveryWordOfEveryChoiceInAnyCase) {
    ConvertRequest r;
    ASSERT_EQ(parse({"--dbc=x", "--timestamp", "Elapsed", "--encoding", "UTF8-Bom", "--line-end",
                     "CR", "--delimiter", "\\t", "--ansi-codepage", "932", "--channel=CH1",
                     "--columns=CH,Raw", "in"},
                    r),
              "");
    EXPECT_EQ(r.options.timeStamps, settings::TimeStamps::kElapsed);
    EXPECT_EQ(r.options.encoding, settings::Encoding::kUtf8Bom);
    EXPECT_EQ(r.options.lineEnd, settings::LineEnd::kCr);
    EXPECT_EQ(r.options.delimiter, u"\t");
    EXPECT_EQ(r.delimiter, "\\t");
    EXPECT_EQ(r.ansiCodePage, 932u);
    EXPECT_EQ(r.options.channels, settings::Channels::kCh1);
    EXPECT_EQ(r.options.columns, (settings::Columns{true, false, false, false, false, true}));
    ASSERT_EQ(parse({"--dbc=x", "--timestamp=none", "--encoding=ansi", "--line-end=crlf",
                     "--channel=all", "--columns=", "in"},
                    r),
              "");
    EXPECT_EQ(r.options.timeStamps, settings::TimeStamps::kNone);
    EXPECT_EQ(r.options.encoding, settings::Encoding::kAnsi);
    EXPECT_EQ(r.options.lineEnd, settings::LineEnd::kCrLf);
    EXPECT_EQ(r.options.channels, settings::Channels::kAll);
    EXPECT_EQ(r.options.columns, (settings::Columns{false, false, false, false, false, false}));
}

TEST(ConvertOptions, OptionsGivenOverrideTheSettingsFileWhereverTheyStand) {
    testing_support::ScratchDir dir("convert-options");
    testing_support::writeFileBytes(dir / "s.ini",
                                    "[txtcvtParams]\r\ntimeStamp=elapsed\r\nprintRaw=True\r\n"
                                    "signalLine=Bogus\r\n");
    ConvertRequest r;
    const std::string ini = (dir / "s.ini").string();
    ASSERT_EQ(parse({"--timestamp", "none", "--dbc=x", "--settings", ini, "in"}, r), "");
    EXPECT_EQ(r.options.timeStamps, settings::TimeStamps::kNone);  // the option, not the file
    EXPECT_TRUE(r.options.columns.rawData);                        // the file's
    EXPECT_EQ(r.settingsPath, ini);
    EXPECT_EQ(r.settingsWords.size(), 1u);  // signalLine=Bogus
    const platform::Status missing =
        cli::parseConvertArguments({"--dbc=x", "--settings", (dir / "no.ini").string(), "in"}, r);
    EXPECT_EQ(missing.code(), platform::systemError(2));
    EXPECT_EQ(missing.detail(), (dir / "no.ini").string());
}

TEST(ConvertOptions, TheWindowsProgramsOutputChoicesReachTheRequestUnderTheOptions) {
    testing_support::ScratchDir dir("convert-options-output");
    testing_support::writeFileBytes(dir / "car.dbc", "VERSION \"\"\n");
    const std::string dbc = (dir / "car.dbc").string();
    const auto writeIni = [&](const std::string& name, const std::string& keys) {
        testing_support::writeFileBytes(dir / name, "[txtcvtOutput]\r\n" + keys);
        return (dir / name).string();
    };
    const std::string resampled =
        writeIni("r.ini",
                 "outputFormat=Excel\r\ntable=resampled\r\nresamplePeriod=250ms\r\n"
                 "signalsDatabase=" +
                     dbc + "\r\nsignals=A.x,B.*\r\n");
    ConvertRequest r;
    ASSERT_EQ(parse({"--settings", resampled, "--dbc", dbc, "in"}, r), "");
    EXPECT_EQ(r.options.format, tables::OutputFormat::kXlsx);
    EXPECT_EQ(r.options.layout, tables::TableLayout::kWide);
    EXPECT_EQ(r.options.resampleMicroseconds, 250000u);
    EXPECT_FALSE(r.options.hold);
    EXPECT_EQ(r.selection.signals, (std::vector<std::string>{"A.x", "B.*"}));

    // Options given win wherever they stand; the signals belong to their database only.
    ASSERT_EQ(parse({"--format", "csv", "--layout", "long", "--signals", "C", "--settings",
                     resampled, "--dbc", dbc, "in"},
                    r),
              "");
    EXPECT_EQ(r.options.format, tables::OutputFormat::kCsv);
    EXPECT_EQ(r.options.layout, tables::TableLayout::kLong);
    EXPECT_EQ(r.options.resampleMicroseconds, 0u);
    EXPECT_EQ(r.selection.signals, (std::vector<std::string>{"C"}));
    ASSERT_EQ(parse({"--settings", resampled, "--resample", "1s", "--dbc", "other.dbc", "in"}, r),
              "");
    EXPECT_EQ(r.options.resampleMicroseconds, 1000000u);
    EXPECT_TRUE(r.selection.signals.empty());

    // A held wide table; a CAN log of the Windows program's export leaves the table a CSV.
    ASSERT_EQ(parse({"--dbc", dbc, "--settings",
                     writeIni("h.ini", "outputFormat=BLF\r\ntable=wide hold\r\n"), "in"},
                    r),
              "");
    EXPECT_EQ(r.options.format, tables::OutputFormat::kCsv);
    EXPECT_EQ(r.options.layout, tables::TableLayout::kWide);
    EXPECT_TRUE(r.options.hold);
    EXPECT_EQ(parse({"--dbc", dbc, "--settings",
                     writeIni("b.ini", "table=resampled\r\nresamplePeriod=soon\r\n"), "in"},
                    r),
              "the settings file's resamplePeriod 'soon' is not a period (10ms, 0.5s)");
    ASSERT_EQ(parse({"--dbc", dbc, "--settings", writeIni("u.ini", "table=tall\r\n"), "in"}, r),
              "");
    EXPECT_EQ(r.options.layout, tables::TableLayout::kLong);
    ASSERT_EQ(r.settingsWords.size(), 1u);
    EXPECT_EQ(r.settingsWords[0].key, u"table");
}

TEST(ConvertOptions, ListsAddUpAndAnOptionGivenTwiceMustSayTheSame) {
    ConvertRequest r;
    ASSERT_EQ(parse({"--dbc=x", "--signals", "EngineSpeed", "--signals", "Speed,Gear", "--ids",
                     "100", "--ids=200-2FF", "--messages=A", "--messages", "B", "-q", "-q",
                     "--layout", "wide", "--layout", "wide", "in"},
                    r),
              "");
    EXPECT_EQ(r.selection.signals, (std::vector<std::string>{"EngineSpeed", "Speed", "Gear"}));
    EXPECT_EQ(r.selection.messages, (std::vector<std::string>{"A", "B"}));
    ASSERT_EQ(r.selection.ids.size(), 2u);
    EXPECT_EQ(r.selection.ids[1].high, 0x2FFu);
    EXPECT_EQ(parse({"--dbc", "ch1=A", "--dbc", "ch1=B", "in"}, r),
              "--dbc ch1= is given twice, as 'A' and 'B'");
    EXPECT_EQ(parse({"--dbc", "A", "--dbc", "B", "in"}, r), "--dbc is given twice, as 'A' and 'B'");
    EXPECT_EQ(parse({"--dbc", "ch1=A", "--dbc", "ch2=B", "--dbc", "ch1=A", "in"}, r), "");
    EXPECT_EQ(parse({"--dbc=x", "--output", "a.csv", "--output", "b.csv", "in"}, r),
              "--output is given twice, as 'a.csv' and 'b.csv'");
    EXPECT_EQ(parse({"--dbc=x", "--format", "csv", "--format=xlsx", "in"}, r),
              "--format is given twice, as 'csv' and 'xlsx'");
}

TEST(ConvertOptions, DelimitersThatStandForNothingOrAreCutAreWarnedAbout) {
    EXPECT_TRUE(cli::delimiterWarnings(",").empty());
    EXPECT_TRUE(cli::delimiterWarnings("\\t").empty());
    EXPECT_TRUE(cli::delimiterWarnings("\\\\").empty());
    EXPECT_EQ(cli::delimiterWarnings("\\x;").size(), 1u);  // \x stands for nothing
    EXPECT_EQ(cli::delimiterWarnings("a\\").size(), 1u);   // a lone backslash at the end
    EXPECT_EQ(cli::delimiterWarnings("").size(), 1u);      // empty
    EXPECT_EQ(cli::delimiterWarnings("\\q").size(), 2u);   // stands for nothing, so empty
    EXPECT_EQ(cli::delimiterWarnings(std::string(16, ';')).size(), 1u);  // cut to 15
}

TEST(ConvertOptions, MistakesAreReportedNotGuessed) {
    ConvertRequest r;
    EXPECT_EQ(parse({"a.DT"}, r), "no DBC file given (--dbc FILE.dbc)");
    EXPECT_EQ(parse({"--dbc", "x"}, r), "no input file given");
    EXPECT_EQ(parse({"--dbc", "x", "--jobs", "0", "a"}, r),
              "invalid value '0' for --jobs (1 to 256)");
    EXPECT_NE(parse({"--dbc", "x", "--jobs", "2x", "a"}, r), "");
    EXPECT_NE(parse({"--dbc", "x", "--columns", "ch,", "a"}, r), "");
    EXPECT_NE(parse({"--dbc", "x", "--columns", "time", "a"}, r), "");
    EXPECT_NE(parse({"--dbc", "x", "--channel", "CH0", "a"}, r), "");  // CH3 is a log's channel
    EXPECT_NE(parse({"--dbc", "x", "--channel", "ch03", "a"}, r), "");
    EXPECT_NE(parse({"--dbc", "x", "--channel", "ch65537", "a"}, r), "");
    EXPECT_NE(parse({"--dbc", "x", "--channel", "ch-1", "a"}, r), "");
    EXPECT_NE(parse({"--dbc", "x", "--channel", "ch1 ", "a"}, r), "");
    EXPECT_EQ(parse({"--dbc", "x", "--bogus", "1", "a"}, r),
              "unknown option --bogus (use -- before a file named so)");
    EXPECT_EQ(parse({"--dbc", "x", "a", "--jobs"}, r), "option --jobs needs a value");
    EXPECT_NE(parse({"--dbc", "x", "--ansi-codepage", "70000", "a"}, r), "");
    EXPECT_NE(parse({"--dbc", "x", "--hold", "a"}, r), "");
    EXPECT_EQ(parse({"--dbc", "x", "--resample", "1d", "--layout=wide", "a"}, r),
              "invalid value '1d' for --resample (a number with us, ms, s, min or h, from 1us to "
              "a day: 10ms, 0.5s)");
    EXPECT_EQ(cli::parseConvertArguments({"--bogus"}, r).code(), platform::kInvalidArgument);
}

TEST(ConvertOptions, AWorkbookTakesNoCsvOptionsAndNoStandardOutput) {
    ConvertRequest r;
    ASSERT_EQ(parse({"--dbc=x", "--format", "XLSX", "in"}, r), "");
    EXPECT_EQ(r.options.format, tables::OutputFormat::kXlsx);
    EXPECT_TRUE(cli::workbookWarnings(r).empty());
    ASSERT_EQ(parse({"--dbc=x", "--format=xlsx", "--delimiter", ";", "--encoding", "utf8",
                     "--line-end", "lf", "--time-format", "iso8601", "in"},
                    r),
              "");
    const std::vector<std::string> warnings = cli::workbookWarnings(r);
    ASSERT_EQ(warnings.size(), 4u);
    EXPECT_EQ(warnings[0], "--delimiter does not apply to a workbook: its columns are cells");
    EXPECT_EQ(warnings[3].rfind("--time-format iso8601", 0), 0u);
    EXPECT_NE(parse({"--dbc=x", "--format=xlsx", "--output", "-", "in"}, r), "");
    EXPECT_EQ(parse({"--dbc=x", "--format=pdf", "in"}, r),
              "invalid value 'pdf' for --format (csv or xlsx)");
    // The same options make no warning for a CSV table.
    ASSERT_EQ(parse({"--dbc=x", "--delimiter", ";", "in"}, r), "");
    EXPECT_TRUE(cli::workbookWarnings(r).empty());
}

// All a request holds, as text, to see whether an option changed it.
std::string describe(ConvertRequest request) {
    tables::applySettings(request.settings, request.options);
    const tables::ConversionOptions& o = request.options;
    // Appended piece by piece: MinGW's -Wrestrict misfires on a text + string.
    std::vector<std::string> parts = {request.dbcPath,       request.logPath,
                                      request.reportPath,    request.delimiter.value_or("-"),
                                      request.run.outputDir, request.run.outputFile};
    parts.insert(parts.end(), request.selection.messages.begin(), request.selection.messages.end());
    parts.insert(parts.end(), request.selection.signals.begin(), request.selection.signals.end());
    parts.insert(parts.end(), request.input.channelNames.begin(), request.input.channelNames.end());
    parts.push_back(std::to_string(request.input.format ? int(*request.input.format) + 1 : 0));
    for (const uint64_t field :
         {uint64_t{request.selection.ids.size()}, uint64_t{request.j1939},
          uint64_t{request.summary}, uint64_t{request.ansiCodePage.value_or(0)},
          uint64_t{request.run.jobs}, uint64_t{request.run.quiet}, uint64_t(o.format),
          uint64_t(o.layout), uint64_t{o.hold}, uint64_t{o.enumText}, o.resampleMicroseconds,
          uint64_t(o.clock), uint64_t(o.timeFormat), uint64_t(o.channels), uint64_t(o.timeStamps),
          uint64_t{o.columns.rawData}, uint64_t(o.encoding), uint64_t(o.lineEnd),
          uint64_t{o.delimiter.size()}}) {
        parts.push_back(std::to_string(field));
    }
    std::string text;
    for (const std::string& part : parts) {
        text += part;
        text += '|';
    }
    return text;
}

// Every row appears in the help, and its value sets something in the request.
TEST(ConvertOptions, EveryRowIsHandledAndInTheHelp) {
    const std::string help = cli::helpOf(cli::kConvertCommand, cli::convertRows());
    EXPECT_EQ(help.rfind("txtcvt-cli convert --dbc FILE.dbc [options] INPUT.DT|FOLDER...\n", 0),
              0u);
    EXPECT_NE(help.find("    -h, --help               this text\n"), std::string::npos);
    EXPECT_NE(help.find("    -j, --jobs N             files converted in parallel"),
              std::string::npos);
    const std::map<std::string_view, std::string> values = {{"dbc", "a.dbc"},
                                                            {"log", "x"},
                                                            {"messages", "M"},
                                                            {"signals", "S"},
                                                            {"ids", "100"},
                                                            {"format", "xlsx"},
                                                            {"channel", "ch2"},
                                                            {"timestamp", "elapsed"},
                                                            {"clock", "utc"},
                                                            {"time-format", "iso8601"},
                                                            {"columns", "raw"},
                                                            {"layout", "wide"},
                                                            {"resample", "10ms"},
                                                            {"delimiter", ";"},
                                                            {"encoding", "utf8"},
                                                            {"line-end", "lf"},
                                                            {"ansi-codepage", "932"},
                                                            {"output-dir", "d"},
                                                            {"output", "o.csv"},
                                                            {"input-format", "blf"},
                                                            {"channel-names", "a,b"},
                                                            {"report", "r.json"},
                                                            {"jobs", "2"}};
    const std::string untouched = describe(ConvertRequest{});
    for (const cli::OptionRow<ConvertRequest>& row : cli::convertRows()) {
        EXPECT_NE(help.find("--" + std::string(row.name)), std::string::npos) << row.name;
        if (row.name == "settings") continue;  // reads a file: its own test above
        const auto value = values.find(row.name);
        EXPECT_EQ(value != values.end(), !row.value.empty()) << row.name;
        ConvertRequest request;
        ASSERT_TRUE(row.apply(value != values.end() ? value->second : "", request).ok())
            << row.name;
        EXPECT_NE(describe(request), untouched) << row.name << " sets nothing";
    }
}

}  // namespace
