// End to end: captures described in examples/ are built with dtgen, converted through the
// command line in-process, and compared byte for byte with output files checked by hand.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "platform/text_encoding.h"
#include "tests/support/test_paths.h"
#include "tools/dtgen/description_parser.h"

namespace cli {
int runConvertCommand(const Arguments& args);
}

namespace {

using testing_support::readFileBytes;

std::string exampleText(const char* name) {
    return readFileBytes(testing_support::sourceDir() / "examples" / name);
}

// Builds a capture from a description and writes it into the folder.
std::filesystem::path writeCapture(const testing_support::ScratchDir& dir, const char* name,
                                   const std::string& description) {
    std::string error;
    auto builder = dtgen::parseDescription(description, error);
    EXPECT_TRUE(builder.has_value()) << error;
    const auto path = dir / name;
    testing_support::writeFileBytes(path, builder ? builder->build() : std::string());
    return path;
}

std::string withMode(std::string description, const char* mode) {
    const std::string from = "time-stamp-mode 2";
    description.replace(description.find(from), from.size(),
                        std::string("time-stamp-mode ") + mode);
    return description;
}

struct Case {
    const char* expected;  // file in tests/e2e/expected
    const char* capture;   // v29, v27 (mode 2), v27m5, v27m0
    std::vector<std::string> options;
};

class Conversion : public ::testing::TestWithParam<Case> {};

// "@examples/x" and "@data/x" in an option stand for the example and the test data folders.
std::string withFolders(const std::string& option) {
    const auto source = testing_support::sourceDir();
    for (const auto& [mark, folder] :
         {std::pair{std::string("@examples/"), source / "examples"},
          std::pair{std::string("@data/"), source / "tests" / "e2e" / "data"}}) {
        const size_t at = option.find(mark);
        if (at != std::string::npos) {
            return option.substr(0, at) +
                   platform::pathToUtf8(folder / option.substr(at + mark.size()));
        }
    }
    return option;
}

TEST_P(Conversion, MatchesTheCheckedOutput) {
    testing_support::useUtc();
    const Case& c = GetParam();
    testing_support::ScratchDir dir("e2e");
    const std::string v27 = exampleText("drive_v27.txt");
    std::filesystem::path input;
    const std::string capture = c.capture;
    if (capture == "v29") input = writeCapture(dir, "drive.DT", exampleText("drive_v29.txt"));
    if (capture == "v27") input = writeCapture(dir, "drive.DT", v27);
    if (capture == "v27m5") input = writeCapture(dir, "drive.DT", withMode(v27, "5"));
    if (capture == "v27m0") input = writeCapture(dir, "drive.DT", withMode(v27, "0"));
    if (capture.rfind("@data/", 0) == 0) {
        input = writeCapture(dir, "drive.DT",
                             readFileBytes(testing_support::sourceDir() / "tests" / "e2e" / "data" /
                                           capture.substr(6)));
    }
    ASSERT_FALSE(input.empty());

    cli::Arguments args = {"--quiet", "--jobs", "1", "--log", platform::pathToUtf8(dir.path())};
    bool databaseGiven = false;
    for (const std::string& option : c.options) {
        args.push_back(withFolders(option));
        databaseGiven = databaseGiven || option == "--dbc";
    }
    if (!databaseGiven) args.insert(args.end(), {"--dbc", withFolders("@examples/vehicle.dbc")});
    args.push_back(platform::pathToUtf8(input));
    ASSERT_EQ(cli::runConvertCommand(args), 0);
    const std::string actual = readFileBytes(dir / "drive.csv");
    const std::string expected =
        readFileBytes(testing_support::sourceDir() / "tests" / "e2e" / "expected" / c.expected);
    ASSERT_FALSE(expected.empty()) << c.expected;
    EXPECT_EQ(actual, expected) << c.expected;
}

// The bundled captures are what dtgen makes of their descriptions.
TEST(ExampleCaptures, MatchTheirDescriptions) {
    for (const char* name : {"drive_v27", "drive_v29"}) {
        std::string error;
        const auto builder =
            dtgen::parseDescription(exampleText((std::string(name) + ".txt").c_str()), error);
        ASSERT_TRUE(builder.has_value()) << error;
        EXPECT_EQ(builder->build(), exampleText((std::string(name) + ".DT").c_str())) << name;
    }
}

// Inputs with one output file (drive.DT and drive.XY both give drive.csv): the first in list
// order is converted, the other fails instead of replacing its result, however many workers.
TEST(ParallelJobs, OfInputsSharingAnOutputTheFirstIsConvertedAndTheOtherFails) {
    testing_support::ScratchDir dir("same-output");
    const auto first = writeCapture(
        dir, "drive.DT", "variant 29\nrandom 40000 seed 4 length 8 ids std:0x100,std:0x400\n");
    const auto second =
        writeCapture(dir, "drive.XY", "variant 29\nrandom 30000 seed 5 length 8 ids std:0x200\n");
    const std::string dbc =
        platform::pathToUtf8(testing_support::sourceDir() / "examples" / "vehicle.dbc");
    ASSERT_EQ(cli::runConvertCommand(
                  {"--quiet", "--jobs", "1", "--dbc", dbc, platform::pathToUtf8(first)}),
              0);
    const std::string alone = readFileBytes(dir / "drive.csv");
    ASSERT_GT(alone.size(), 1000000u);
    std::filesystem::remove(dir / "drive.csv");
    ASSERT_EQ(cli::runConvertCommand({"--quiet", "--jobs", "2", "--dbc", dbc,
                                      platform::pathToUtf8(first), platform::pathToUtf8(second)}),
              1);
    EXPECT_TRUE(readFileBytes(dir / "drive.csv") == alone);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Conversion,
    ::testing::Values(
        Case{"v29_defaults.csv", "v29", {}},
        Case{"v29_elapsed_all_columns.csv",
             "v29",
             {"--timestamp", "elapsed", "--columns", "ch,id,msg,unit,enum,raw"}},
        Case{"v29_no_time_tab_minimal.csv",
             "v29",
             {"--timestamp", "none", "--columns", "", "--delimiter", "\\t"}},
        Case{"v29_utf8_bom_lf_middle_dot.csv",
             "v29",
             {"--encoding", "utf8-bom", "--line-end", "lf", "--delimiter", "\xC2\xB7", "--columns",
              "id,enum"}},
        Case{"v29_ansi_cr_middle_dot.csv",
             "v29",
             {"--line-end", "cr", "--delimiter", "\xC2\xB7", "--ansi-codepage", "1252", "--columns",
              "msg"}},
        Case{"v29_space_delimiter.csv", "v29", {"--delimiter", " ", "--channel", "ch2"}},
        Case{"v27_mode2_defaults.csv", "v27", {}},
        Case{"v27_mode5_ch2.csv", "v27m5", {"--channel", "ch2", "--columns", "ch,msg,raw"}},
        Case{"v27_mode0_ch1_empty_delimiter.csv",
             "v27m0",
             {"--channel", "ch1", "--delimiter", "", "--columns", "ch,unit"}},
        // The wide table: a column per signal, a row per frame, the multiplexed signals and
        // the 64-byte CAN FD message among them; with --hold, with --resample, with texts.
        Case{"v29_wide.csv", "v29", {"--layout", "wide"}},
        Case{"v27_wide_hold.csv", "v27", {"--layout", "wide", "--hold"}},
        Case{"v29_wide_resample_250ms_utc_iso.csv",
             "v29",
             {"--layout", "wide", "--resample", "250ms", "--clock", "utc", "--time-format",
              "iso8601", "--signals", "Engine*,Page*,Oil*,ErrorCode"}},
        // The last value comes 50 ms after the last full period: a row after it holds it.
        Case{"v29_wide_resample_300ms_last_frame.csv",
             "v29",
             {"--layout", "wide", "--resample", "0.3s", "--signals",
              "Diagnostics.SupplyVoltage,EngineSpeed"}},
        Case{"v29_wide_enum_text_selection.csv",
             "v29",
             {"--layout", "wide", "--enum-text", "--messages", "Transmission,Diag*", "--timestamp",
              "elapsed"}},
        // Selection in the long table: a multiplexed signal without its switch, identifiers.
        Case{"v29_signals_without_their_switch.csv",
             "v29",
             {"--signals", "OilPressure,ErrorCode,Cell*", "--ids", "400,1A0"}},
        Case{"v29_iso8601_local.csv", "v29", {"--time-format", "iso8601", "--columns", "id"}},
        // J1939 and a database per channel.
        Case{"trucks_j1939_two_databases.csv",
             "@data/trucks.txt",
             {"--dbc", "ch1=@examples/vehicle.dbc", "--dbc", "ch2=@data/j1939.dbc", "--j1939",
              "--columns", "ch,id,msg,enum"}},
        Case{"trucks_exact_identifiers_only.csv",
             "@data/trucks.txt",
             {"--dbc", "ch2=@data/j1939.dbc", "--columns", "ch,id,msg"}},
        Case{"trucks_j1939_wide.csv",
             "@data/trucks.txt",
             {"--dbc", "ch1=@examples/vehicle.dbc", "--dbc", "ch2=@data/j1939.dbc", "--j1939",
              "--layout", "wide", "--signals", "Engine*,*Speed", "--timestamp", "elapsed"}}),
    [](const auto& param) {
        std::string name = param.param.expected;
        name = name.substr(0, name.find('.'));
        return name;
    });

}  // namespace
