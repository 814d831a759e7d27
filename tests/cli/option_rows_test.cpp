#include "cli/rules/option_rows.h"

#include <gtest/gtest.h>

#include "cli/commands.h"
#include "cli/convert_databases.h"
#include "cli/rules/convert_options.h"
#include "tests/support/captured_output.h"
#include "tests/support/test_paths.h"

namespace {

constexpr cli::OptionShape kSpecs[] = {{"output-dir", 'o', true, cli::Repeat::kOnce},
                                       {"jobs", 'j', true, cli::Repeat::kOnce},
                                       {"quiet", 'q', false, cli::Repeat::kFlag},
                                       {"ids", 0, true, cli::Repeat::kList}};

TEST(OptionRows, LongShortAttachedAndSeparateValues) {
    std::vector<cli::GivenOption> options;
    cli::Arguments inputs;
    ASSERT_TRUE(cli::readArguments({"-o", "out", "a.DT", "-j2", "--quiet", "--output-dir=out", "-q",
                                    "--ids", "1", "--ids=2", "--", "-b.DT", "--jobs"},
                                   kSpecs, options, inputs)
                    .ok());
    // A flag or a value given again with the same value counts once; a list keeps each.
    ASSERT_EQ(options.size(), 5u);
    EXPECT_EQ(options[0].name, "output-dir");
    EXPECT_EQ(options[0].value, "out");
    EXPECT_EQ(options[1].value, "2");
    EXPECT_EQ(options[3].value, "1");
    EXPECT_EQ(options[4].value, "2");
    EXPECT_EQ(inputs, (cli::Arguments{"a.DT", "-b.DT", "--jobs"}));
}

TEST(OptionRows, WhatNamesNoOptionIsAMistakeNotAnInput) {
    std::vector<cli::GivenOption> options;
    cli::Arguments inputs;
    for (const cli::Arguments& args :
         {cli::Arguments{"-x"}, cli::Arguments{"--bogus"}, cli::Arguments{"-"},
          cli::Arguments{"--jobs"}, cli::Arguments{"-qq"}, cli::Arguments{"--quiet=1"},
          cli::Arguments{"-j1", "-j2"}}) {
        EXPECT_EQ(cli::readArguments(args, kSpecs, options, inputs).code(),
                  platform::kInvalidArgument)
            << args[0];
    }
    EXPECT_TRUE(cli::asksForHelp({"a", "-h"}));
    EXPECT_TRUE(cli::asksForHelp({"--help"}));
    EXPECT_FALSE(cli::asksForHelp({"--", "-h"}));
}

TEST(ConvertOptions, DatabasesPerChannelAndLoadLogs) {
    cli::ConvertRequest request;
    ASSERT_TRUE(cli::parseConvertArguments({"--dbc", "CH1=a.dbc", "--dbc=ch2=b.dbc", "--layout",
                                            "wide", "--resample", "1s", "-o", "out", "x.DT"},
                                           request)
                    .ok());
    EXPECT_EQ(request.channelDbcPaths.at(0), "a.dbc");
    EXPECT_EQ(request.channelDbcPaths.at(1), "b.dbc");
    EXPECT_TRUE(request.dbcPath.empty());
    EXPECT_EQ(request.run.outputDir, "out");
    EXPECT_FALSE(cli::parseConvertArguments({"--dbc", "a", "--hold", "x.DT"}, request).ok());
    EXPECT_FALSE(
        cli::parseConvertArguments({"--dbc", "a", "--dbc", "ch1=b", "x.DT"}, request).ok());
    EXPECT_FALSE(
        cli::parseConvertArguments({"--dbc", "a", "-o", "d", "--output", "f", "x"}, request).ok());
    EXPECT_FALSE(cli::parseConvertArguments({"--dbc", "a", "--ids", "10-5", "x"}, request).ok());
    EXPECT_EQ(cli::loadLogPathFor("", -1), std::filesystem::path("dbcload.log"));
    EXPECT_EQ(cli::loadLogPathFor("", 1), std::filesystem::path("dbcload-ch2.log"));
    EXPECT_EQ(cli::loadLogPathFor("logs/run.log", 0), std::filesystem::path("logs/run-ch1.log"));
    EXPECT_EQ(cli::loadLogPathFor("logs/run.log", -1), std::filesystem::path("logs/run.log"));
    EXPECT_EQ(cli::loadLogPathFor("logs/run.log", 11), std::filesystem::path("logs/run-ch12.log"));
}

TEST(ConvertOptions, DatabasesOfAnyChannelNumber) {
    cli::ConvertRequest request;
    ASSERT_TRUE(
        cli::parseConvertArguments(
            {"--dbc", "ch12=a.dbc", "--dbc=Ch65536=b=c.dbc", "--channel", "CH12", "x.DT"}, request)
            .ok());
    EXPECT_EQ(request.channelDbcPaths.size(), 2u);
    EXPECT_EQ(request.channelDbcPaths.at(11), "a.dbc");
    EXPECT_EQ(request.channelDbcPaths.at(65535), "b=c.dbc");
    EXPECT_EQ(settings::channelNumberOf(request.options.channels), 12);
    EXPECT_TRUE(request.options.admits(11));
    EXPECT_FALSE(request.options.admits(0));
    // Not a channel: a path with '=' in it, for every channel.
    for (const char* path : {"ch0=a.dbc", "ch65537=a.dbc", "all=a.dbc", "ch=a.dbc", "x=a.dbc"}) {
        ASSERT_TRUE(cli::parseConvertArguments({"--dbc", path, "x.DT"}, request).ok()) << path;
        EXPECT_EQ(request.dbcPath, path);
        EXPECT_TRUE(request.channelDbcPaths.empty());
    }
    const platform::Status twice =
        cli::parseConvertArguments({"--dbc", "ch7=a", "--dbc", "CH7=b", "x.DT"}, request);
    EXPECT_EQ(twice.detail(), "--dbc ch7= is given twice, as 'a' and 'b'");
    EXPECT_FALSE(cli::parseConvertArguments({"--channel", "ch0", "--dbc", "a", "x"}, request).ok());
}

}  // namespace

namespace {

TEST(Commands, EveryCommandAnswersHelpWithItsUsageAndStatusZero) {
    testing_support::ScratchDir dir("help");
    for (const cli::Command& command : cli::commands()) {
        for (const char* help : {"-h", "--help"}) {
            testing_support::CapturedStream out(stdout, dir / "out.txt");
            EXPECT_EQ(command.run({"some.file", help}), 0) << command.text.name;
            const std::string text = out.text();
            EXPECT_EQ(text.rfind(cli::synopsisLine(command.text) + "\n", 0), 0u)
                << command.text.name << ": " << text;
        }
    }
}

TEST(Commands, AUsageErrorIsOneLineAndWhereTheHelpIs) {
    testing_support::ScratchDir dir("usage");
    for (const cli::Command& command : cli::commands()) {
        testing_support::CapturedStream err(stderr, dir / "err.txt");
        EXPECT_EQ(command.run({"--bogus"}), 2) << command.text.name;
        const std::string name(command.text.name);
        EXPECT_EQ(err.text(), "txtcvt-cli " + name +
                                  ": unknown option --bogus (use -- before a file named so)\n"
                                  "try 'txtcvt-cli " +
                                  name + " --help'\n");
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
            if (command.text.name != name) continue;
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
