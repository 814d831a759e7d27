// End to end: the example captures exported in every format through the command line
// in-process, compared byte for byte with logs checked by hand (and read back by python-can in
// tests/export). The Windows build runs this under Wine against the same files, so both builds
// write the same bytes.
#include <gtest/gtest.h>

#include <string>

#include "cli/commands.h"
#include "platform/text_encoding.h"
#include "tests/support/test_paths.h"
#include "tools/dtgen/description_parser.h"
#include "txtcvt_version.h"

namespace cli {
int runExportCommand(const Arguments& args);
}

namespace {

using testing_support::readFileBytes;

struct ExportCase {
    const char* capture;   // examples/X.txt
    const char* format;    // --format
    const char* expected;  // tests/e2e/expected
};

class ExampleExport : public ::testing::TestWithParam<ExportCase> {};

TEST_P(ExampleExport, MatchesTheCheckedLog) {
    const ExportCase& c = GetParam();
    testing_support::useUtc();  // the checked logs' dates: local time in UTC
    testing_support::ScratchDir dir("export-e2e");
    std::string error;
    const auto description = readFileBytes(testing_support::sourceDir() / "examples" /
                                           (std::string(c.capture) + ".txt"));
    const auto builder = dtgen::parseDescription(description, error);
    ASSERT_TRUE(builder.has_value()) << error;
    testing_support::writeFileBytes(dir / "drive.DT", builder->build());
    ASSERT_EQ(
        cli::runExportCommand({"-q", "--format", c.format, platform::pathToUtf8(dir / "drive.DT")}),
        0);
    const std::string extension =
        std::string(c.expected).substr(std::string(c.expected).rfind('.'));
    const std::string actual = readFileBytes(dir / ("drive" + extension));
    std::string expected =
        readFileBytes(testing_support::sourceDir() / "tests" / "e2e" / "expected" / c.expected);
    ASSERT_FALSE(expected.empty()) << c.expected;
    if (extension == ".blf") {
        // The file header names the writing program's version.
        ASSERT_GT(expected.size(), 12u);
        expected[9] = static_cast<char>(TXTCVT_VERSION_MAJOR);
        expected[10] = static_cast<char>(TXTCVT_VERSION_MINOR);
        expected[11] = static_cast<char>(TXTCVT_VERSION_PATCH);
    }
    EXPECT_TRUE(actual == expected) << c.expected << ":\n" << (extension == ".blf" ? "" : actual);
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleExport,
                         ::testing::Values(ExportCase{"drive_v29", "asc", "drive_v29.asc"},
                                           ExportCase{"drive_v29", "blf", "drive_v29.blf"},
                                           ExportCase{"drive_v29", "candump", "drive_v29.log"},
                                           ExportCase{"drive_v27", "asc", "drive_v27.asc"},
                                           ExportCase{"drive_v27", "blf", "drive_v27.blf"},
                                           ExportCase{"drive_v27", "candump", "drive_v27.log"}),
                         [](const auto& param) {
                             std::string name = param.param.expected;
                             for (char& c : name) {
                                 if (c == '.') c = '_';
                             }
                             return name;
                         });

}  // namespace
