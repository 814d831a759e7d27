// txtcvt-cli export: its grammar, and what it tells the user and leaves behind when files do not
// export: the same words, codes and exit statuses as convert.
#include <gtest/gtest.h>

#include <string>

#include "cli/commands.h"
#include "cli/rules/export_options.h"
#include "platform/text_encoding.h"
#include "tests/support/captured_output.h"
#include "tests/support/test_paths.h"
#include "tools/dtgen/capture_builder.h"

namespace cli {
int runExportCommand(const Arguments& args);
}

namespace {

using testing_support::ScratchDir;

std::string parse(const cli::Arguments& args, cli::ExportRequest& request) {
    const platform::Status status = cli::parseExportArguments(args, request);
    return status.ok() ? std::string() : status.detail();
}

TEST(ExportArguments, EveryOptionAndEveryMistake) {
    cli::ExportRequest request;
    ASSERT_EQ(parse({"--format", "CANDUMP", "a.DT", "--channel=ch2", "--ids", "100-1FF,18FEF100",
                     "--channel-names", "vcan0,vcan1", "-j2", "-q", "-o", "out", "b.DT"},
                    request),
              "");
    EXPECT_EQ(request.options.format, run::FrameFormat::kCandump);
    EXPECT_EQ(request.options.channels, settings::Channels::kCh2);
    ASSERT_EQ(request.options.ids.size(), 2u);
    EXPECT_EQ(request.options.ids[1].low, 0x18FEF100u);
    EXPECT_EQ(request.options.channelNames[0], "vcan0");
    EXPECT_EQ(request.options.channelNames[1], "vcan1");
    EXPECT_EQ(request.run.jobs, 2u);
    EXPECT_TRUE(request.run.quiet);
    EXPECT_EQ(request.run.outputDir, "out");
    EXPECT_EQ(request.run.inputs, (cli::Arguments{"a.DT", "b.DT"}));
    EXPECT_EQ(request.options.clock, canlog::HeaderClock::kLocal);
    ASSERT_EQ(parse({"--format", "asc", "--clock", "UTC", "a.DT"}, request), "");
    EXPECT_EQ(request.options.clock, canlog::HeaderClock::kUtc);

    ASSERT_EQ(parse({"--format", "blf", "--output", "-", "a.DT"}, request), "");
    EXPECT_EQ(request.options.channelNames[0], "can0");  // defaults stay
    EXPECT_EQ(request.run.outputFile, "-");

    const std::pair<cli::Arguments, std::string> mistakes[] = {
        {{"a.DT"}, "no format given (--format asc|blf|candump)"},
        {{"--format", "mf4", "a.DT"}, "invalid value 'mf4' for --format (asc, blf or candump)"},
        {{"--format", "asc"}, "no input file given"},
        {{"--format", "asc", "--channel", "3", "a.DT"},
         "invalid value '3' for --channel (all, ch1, ch2 or chN for N up to 65536)"},
        {{"--format", "asc", "--channel", "ch65537", "a.DT"},
         "invalid value 'ch65537' for --channel (all, ch1, ch2 or chN for N up to 65536)"},
        {{"--format", "asc", "--ids", "100,XYZ", "a.DT"},
         "invalid identifier 'XYZ' for --ids (hexadecimal: 100-1FF,18FEF100)"},
        {{"--format", "asc", "--channel-names", "a,b", "a.DT"},
         "--channel-names goes with --format candump or candump inputs"},
        {{"--format", "blf", "-o", "d", "--output", "f", "a.DT"},
         "--output and --output-dir exclude each other"},
        {{"--format", "asc", "-j", "0", "a.DT"}, "invalid value '0' for --jobs (1 to 256)"},
        {{"--format", "asc", "--ids", "7FF-100", "a.DT"},
         "the range 7FF-100 runs backwards for --ids (hexadecimal: 100-1FF,18FEF100)"},
        {{"--format", "asc", "--format", "blf", "a.DT"},
         "--format is given twice, as 'asc' and 'blf'"},
        {{"--format", "asc", "--clock", "gmt", "a.DT"},
         "invalid value 'gmt' for --clock (local or utc)"},
        {{"--format", "asc", "--dbc", "x.dbc", "a.DT"},
         "unknown option --dbc (use -- before a file named so)"},
    };
    for (const auto& [args, message] : mistakes) {
        EXPECT_EQ(parse(args, request), message) << args.front();
    }
    for (const char* names : {"can0", "can0,", "can 0,can1", "can0,can1,can2", "0,1"}) {
        EXPECT_NE(parse({"--format", "candump", "--channel-names", names, "a"}, request), "")
            << names;
    }
    const std::string help = cli::helpOf(cli::kExportCommand, cli::exportRows());
    for (const cli::OptionRow<cli::ExportRequest>& row : cli::exportRows()) {
        EXPECT_NE(help.find("--" + std::string(row.name)), std::string::npos) << row.name;
    }
    EXPECT_NE(help.find("    -j, --jobs N               files exported in parallel"),
              std::string::npos);
}

std::string capture(int frames, uint64_t truncate = 0) {
    dtgen::CaptureBuilder builder(29);
    builder.random({.count = static_cast<uint64_t>(frames), .seed = 3});
    if (truncate != 0) builder.truncate(truncate);
    return builder.build();
}

class ExportCommand : public ::testing::Test {
protected:
    int run(const cli::Arguments& args) {
        testing_support::CapturedStream err(stderr, dir / "stderr.txt");
        const int status = cli::runExportCommand(args);
        messages = err.text();
        return status;
    }
    std::string path(const char* name) { return platform::pathToUtf8(dir / name); }
    bool exists(const char* name) { return std::filesystem::exists(dir / name); }

    ScratchDir dir{"export-command"};
    std::string messages;
};

TEST_F(ExportCommand, FailuresAreNamedAsConvertNamesThemAndGetNoOutput) {
    testing_support::writeFileBytes(dir / "good.DT", capture(10));
    testing_support::writeFileBytes(dir / "junk.DT", "not a capture at all");
    testing_support::writeFileBytes(dir / "good.XY", capture(12));
    EXPECT_EQ(run({"--format", "asc", "-q", path("good.DT"), path("junk.DT"), path("missing.DT"),
                   path("good.XY")}),
              1);
    EXPECT_NE(
        messages.find(path("junk.DT") + ": not a capture this program can read, or a damaged one "
                                        "(0x8007000D)"),
        std::string::npos)
        << messages;
    EXPECT_NE(messages.find(path("missing.DT") + ": cannot read the capture: "), std::string::npos)
        << messages;
    EXPECT_NE(messages.find(path("good.XY") + ": not exported: " + path("good.asc") +
                            " is the output of " + path("good.DT") + " too"),
              std::string::npos)
        << messages;
    EXPECT_NE(messages.find("1 of 4 files exported, 0 cut short, 3 failed"), std::string::npos)
        << messages;
    EXPECT_TRUE(exists("good.asc"));
    EXPECT_FALSE(exists("junk.asc"));
    EXPECT_FALSE(exists("missing.asc"));

    EXPECT_EQ(run({"--format", "blf", "-q", path("good.DT")}), 0);
    EXPECT_EQ(messages, "");
    EXPECT_EQ(run({"--format", "asc", "good.DT", "--bogus"}), 2);
    EXPECT_NE(messages.find("unknown option --bogus"), std::string::npos);
}

TEST_F(ExportCommand, CutShortCaptureIsExportedWithAWarningAndExitStatus0) {
    testing_support::writeFileBytes(dir / "cut.DT", capture(50, 20));
    EXPECT_EQ(run({"--format", "candump", "-q", "-o", path("out"), path("cut.DT")}), 0);
    EXPECT_NE(messages.find(path("cut.DT") + ": warning: the capture is cut short: "),
              std::string::npos)
        << messages;
    EXPECT_NE(messages.find("0 of 1 files exported, 1 cut short, 0 failed"), std::string::npos);
    EXPECT_TRUE(exists("out/cut.log"));
}

TEST_F(ExportCommand, OneOutputNamedOrNoneForSeveralInputs) {
    testing_support::writeFileBytes(dir / "a.DT", capture(5));
    testing_support::writeFileBytes(dir / "b.DT", capture(5));
    EXPECT_EQ(run({"--format", "candump", "-q", "--output", path("named.txt"), path("a.DT")}), 0);
    EXPECT_TRUE(exists("named.txt"));
    EXPECT_EQ(run({"--format", "candump", "--output", path("x.log"), path("a.DT"), path("b.DT")}),
              2);
    EXPECT_NE(messages.find("--output names the output of one input, not of 2"), std::string::npos);
    EXPECT_FALSE(exists("x.log"));
}

}  // namespace

namespace {

TEST(ExportCommandFiles, AnOutputThatIsAnotherInputIsRefusedBeforeAnythingIsWritten) {
    ScratchDir dir("export-files");
    testing_support::writeFileBytes(dir / "a.DT", capture(5));
    testing_support::writeFileBytes(dir / "a.asc", "an ASC log the user keeps\n");
    testing_support::CapturedStream err(stderr, dir / "err.txt");
    // a.DT's output would be a.asc, which is an input of the same run.
    EXPECT_EQ(cli::runExportCommand({"--format", "asc", "-q", platform::pathToUtf8(dir / "a.DT"),
                                     platform::pathToUtf8(dir / "a.asc")}),
              2);
    EXPECT_EQ(err.text(), "txtcvt-cli export: the output " + platform::pathToUtf8(dir / "a.asc") +
                              " is the input " + platform::pathToUtf8(dir / "a.asc") +
                              ": nothing was written\n");
    EXPECT_EQ(testing_support::readFileBytes(dir / "a.asc"), "an ASC log the user keeps\n");
}

}  // namespace
