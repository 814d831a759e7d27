// End to end: every CAN log this program writes is read again as an input. A capture exported
// to ASC, BLF and candump and converted gives the very table the capture gives converted
// directly; inspect shows any log; a folder stands for its logs of the format asked for.
#include <gtest/gtest.h>

#include <string>

#include "cli/commands.h"
#include "platform/text_encoding.h"
#include "tests/support/captured_output.h"
#include "tests/support/test_paths.h"
#include "tools/dtgen/capture_builder.h"

namespace cli {
int runConvertCommand(const Arguments& args);
int runExportCommand(const Arguments& args);
int runInspect(const Arguments& args);
}  // namespace cli

namespace {

using testing_support::readFileBytes;

std::string pathText(const std::filesystem::path& path) { return platform::pathToUtf8(path); }

// Frames of both channels, standard and extended, classic and CAN FD (one of a length CAN FD
// does not carry), over more than a second.
std::string capture() {
    dtgen::CaptureBuilder b(29);
    b.startTime(1714566896, 789250000);
    b.random({.count = 3000,
              .seed = 11,
              .timeStep = 500,
              .ids = {{0x100, false},
                      {0x200, false},
                      {0x300, false},
                      {0x400, false},
                      {0x1A0, false},
                      {0x18FEF100 & 0x1FFFFFFF, true},
                      {0x98FEF1E5 & 0x1FFFFFFF, true},
                      {0x0CF00400, true}}});
    b.frame({.channel = 1,
             .id = 0x18FEF100,
             .extended = true,
             .data = std::vector<uint8_t>(36, 0x5A),
             .time = 900000000});
    return b.build();
}

class LogInputs : public ::testing::Test {
protected:
    void SetUp() override {
        testing_support::useUtc();
        testing_support::writeFileBytes(dir / "run.DT", capture());
        dbc = pathText(testing_support::sourceDir() / "examples" / "vehicle.dbc");
    }
    // The long table of an input, the data bytes left out (a log pads CAN FD frames).
    std::string table(const std::filesystem::path& input, const char* extra = nullptr) {
        const std::filesystem::path out = dir / "table.csv";
        cli::Arguments args = {"-q",
                               "--dbc",
                               dbc,
                               "--columns",
                               "ch,id,msg,unit,enum",
                               "--output",
                               pathText(out),
                               "--log",
                               pathText(dir / "load.log")};
        if (extra != nullptr) args.push_back(extra);
        args.push_back(pathText(input));
        EXPECT_EQ(cli::runConvertCommand(args), 0) << pathText(input);
        return readFileBytes(out);
    }
    testing_support::ScratchDir dir{"log-inputs"};
    std::string dbc;
};

TEST_F(LogInputs, ACaptureExportedToEachLogConvertsToTheSameTable) {
    const std::string direct = table(dir / "run.DT");
    ASSERT_GT(std::count(direct.begin(), direct.end(), '\n'), 1000);
    for (const char* format : {"asc", "blf", "candump"}) {
        const std::filesystem::path log = dir / "exported";
        ASSERT_EQ(cli::runExportCommand({"-q", "--format", format, "--output", pathText(log),
                                         pathText(dir / "run.DT")}),
                  0);
        // The content tells the format, whatever the name.
        EXPECT_TRUE(table(log) == direct) << format;
    }
}

TEST_F(LogInputs, InspectShowsEveryLogAndAFolderItsLogsOfOneFormat) {
    ASSERT_EQ(cli::runExportCommand({"-q", "--format", "asc", pathText(dir / "run.DT")}), 0);
    ASSERT_EQ(cli::runExportCommand({"-q", "--format", "blf", pathText(dir / "run.DT")}), 0);
    for (const char* log : {"run.asc", "run.blf"}) {
        testing_support::CapturedStream out(stdout, dir / "inspect.txt");
        ASSERT_EQ(cli::runInspect({"--json", pathText(dir / log)}), 0);
        const std::string text = out.text();
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3001 + 2) << log;
        EXPECT_NE(text.find("\"kind\":\"data\",\"time\":"), std::string::npos) << log;
        EXPECT_NE(text.find("\"dataLength\":48"), std::string::npos) << log;  // 36 padded
    }
    testing_support::writeFileBytes(dir / "dbcload.log", "not a log to convert");
    ASSERT_EQ(cli::runConvertCommand({"-q", "--dbc", dbc, "--log", pathText(dir / "load.log"),
                                      "--input-format", "ASC", "-o", pathText(dir / "out"),
                                      pathText(dir.path())}),
              0);
    EXPECT_FALSE(readFileBytes(dir / "out" / "run.csv").empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "out" / "dbcload.csv"));
    testing_support::CapturedStream err(stderr, dir / "err.txt");
    EXPECT_EQ(
        cli::runConvertCommand({"-q", "--dbc", dbc, "--input-format", "trc", pathText(dir.path())}),
        1);
    EXPECT_NE(err.text().find("no TRC log in this folder"), std::string::npos) << err.text();
}

TEST_F(LogInputs, ALogThatCannotBeReadOrIsCutShortSaysWhereAndWhat) {
    testing_support::writeFileBytes(dir / "bad.blf", std::string("LOGG\x90\0\0\0short", 13));
    testing_support::CapturedStream err(stderr, dir / "err.txt");
    EXPECT_EQ(cli::runConvertCommand({"-q", "--dbc", dbc, "--log", pathText(dir / "load.log"),
                                      pathText(dir / "bad.blf")}),
              1);
    EXPECT_NE(err.text().find("bad.blf: cannot read the BLF log: byte "), std::string::npos)
        << err.text();
    ASSERT_EQ(cli::runExportCommand({"-q", "--format", "candump", pathText(dir / "run.DT")}), 0);
    std::string text = readFileBytes(dir / "run.log");
    text.resize(text.size() - 7);  // the last line loses its end
    testing_support::writeFileBytes(dir / "cut.log", text);
    testing_support::CapturedStream cutErr(stderr, dir / "cut.txt");
    EXPECT_EQ(cli::runConvertCommand({"-q", "--dbc", dbc, "--log", pathText(dir / "load.log"),
                                      pathText(dir / "cut.log")}),
              0);
    EXPECT_NE(cutErr.text().find("cut.log: warning: the candump log is cut short (line 3001"),
              std::string::npos)
        << cutErr.text();
}

}  // namespace
