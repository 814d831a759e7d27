#include "cli/option_parser.h"

#include <gtest/gtest.h>

#include "cli/convert_args.h"
#include "cli/convert_databases.h"
#include "tests/support/captured_output.h"
#include "tests/support/test_paths.h"

namespace {

constexpr cli::OptionDefinition kSpecs[] = {
    {"output-dir", 'o', true}, {"jobs", 'j', true}, {"quiet", 'q', false}};

TEST(OptionParser, LongShortAttachedAndSeparateValues) {
    std::vector<cli::GivenOption> options;
    cli::Arguments inputs;
    ASSERT_EQ(cli::parseOptions({"-o", "out", "a.DT", "-j2", "--quiet", "--output-dir=x", "-q",
                                 "--", "-b.DT", "--jobs"},
                                kSpecs, options, inputs),
              "");
    ASSERT_EQ(options.size(), 5u);
    EXPECT_EQ(options[0].name, "output-dir");
    EXPECT_EQ(options[0].value, "out");
    EXPECT_EQ(options[1].value, "2");
    EXPECT_EQ(options[3].value, "x");
    EXPECT_EQ(inputs, (cli::Arguments{"a.DT", "-b.DT", "--jobs"}));
}

TEST(OptionParser, WhatNamesNoOptionIsAMistakeNotAnInput) {
    std::vector<cli::GivenOption> options;
    cli::Arguments inputs;
    for (const cli::Arguments& args :
         {cli::Arguments{"-x"}, cli::Arguments{"--bogus"}, cli::Arguments{"-"},
          cli::Arguments{"--jobs"}, cli::Arguments{"-qq"}, cli::Arguments{"--quiet=1"}}) {
        EXPECT_NE(cli::parseOptions(args, kSpecs, options, inputs), "") << args[0];
    }
    EXPECT_TRUE(cli::asksForHelp({"a", "-h"}));
    EXPECT_TRUE(cli::asksForHelp({"--help"}));
    EXPECT_FALSE(cli::asksForHelp({"--", "-h"}));
}

TEST(ConvertOptions, PeriodsLayoutsAndDatabasesPerChannel) {
    uint64_t period = 0;
    EXPECT_TRUE(cli::parsePeriod("10ms", period));
    EXPECT_EQ(period, 10000u);
    EXPECT_TRUE(cli::parsePeriod("0.5s", period));
    EXPECT_EQ(period, 500000u);
    EXPECT_TRUE(cli::parsePeriod("250us", period));
    EXPECT_EQ(period, 250u);
    EXPECT_TRUE(cli::parsePeriod("2min", period));
    EXPECT_EQ(period, 120000000u);
    for (const char* wrong : {"10", "ms", "0s", "-1s", "1h", "1.2.3s", "0.1us", "2days"}) {
        EXPECT_FALSE(cli::parsePeriod(wrong, period)) << wrong;
    }
    cli::ConvertRequest request;
    ASSERT_EQ(cli::parseConvertArguments({"--dbc", "CH1=a.dbc", "--dbc=ch2=b.dbc", "--layout",
                                          "wide", "--resample", "1s", "-o", "out", "x.DT"},
                                         request),
              "");
    EXPECT_EQ(request.channelDbcPath[0], "a.dbc");
    EXPECT_EQ(request.channelDbcPath[1], "b.dbc");
    EXPECT_TRUE(request.dbcPath.empty());
    EXPECT_EQ(request.outputDir, "out");
    EXPECT_NE(cli::parseConvertArguments({"--dbc", "a", "--hold", "x.DT"}, request), "");
    EXPECT_NE(cli::parseConvertArguments({"--dbc", "a", "--dbc", "ch1=b", "x.DT"}, request), "");
    EXPECT_NE(cli::parseConvertArguments({"--dbc", "a", "-o", "d", "--output", "f", "x"}, request),
              "");
    EXPECT_NE(cli::parseConvertArguments({"--dbc", "a", "--ids", "10-5", "x"}, request), "");
    EXPECT_EQ(cli::loadLogPathFor("", -1), std::filesystem::path("dbcload.log"));
    EXPECT_EQ(cli::loadLogPathFor("", 1), std::filesystem::path("dbcload-ch2.log"));
    EXPECT_EQ(cli::loadLogPathFor("logs/run.log", 0), std::filesystem::path("logs/run-ch1.log"));
    EXPECT_EQ(cli::loadLogPathFor("logs/run.log", -1), std::filesystem::path("logs/run.log"));
}

}  // namespace

namespace {

TEST(Commands, EveryCommandAnswersHelpWithItsUsageAndStatusZero) {
    testing_support::ScratchDir dir("help");
    for (const cli::Command& command : cli::commands()) {
        for (const char* help : {"-h", "--help"}) {
            testing_support::CapturedStream out(stdout, dir / "out.txt");
            EXPECT_EQ(command.run({"some.file", help}), 0) << command.name;
            const std::string text = out.text();
            EXPECT_EQ(text.rfind(std::string("txtcvt-cli ") + command.name, 0), 0u)
                << command.name << ": " << text;
        }
    }
}

#ifndef _WIN32
TEST(Commands, AStandardOutputThatCannotBeWrittenIsAFailure) {
    const std::string capture =
        (testing_support::sourceDir() / "examples" / "drive_v29.DT").string();
    const std::string dbc = (testing_support::sourceDir() / "examples" / "vehicle.dbc").string();
    testing_support::ScratchDir dir("full");
    const auto run = [&](const char* name, cli::Arguments args) {
        for (const cli::Command& command : cli::commands()) {
            if (std::string(command.name) != name) continue;
            testing_support::CapturedStream err(stderr, dir / "err.txt");
            testing_support::CapturedStream out(stdout, "/dev/full");
            return command.run(args);
        }
        return -1;
    };
    EXPECT_EQ(run("inspect", {capture}), 1);
    EXPECT_EQ(run("dbc", {dbc}), 1);
}
#endif

}  // namespace
