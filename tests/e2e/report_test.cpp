// The conversion report counts what a capture built for it holds: unknown identifiers, frames
// shorter than their message, values read past the data and multiplexer values that select no
// signal, per file and in the totals, also when another file of the run fails.
#include <gtest/gtest.h>

#include <string>

#include "cli/commands.h"
#include "platform/text_encoding.h"
#include "tests/support/captured_output.h"
#include "tests/support/test_paths.h"
#include "tools/dtgen/description_parser.h"

namespace cli {
int runConvertCommand(const Arguments& args);
}

namespace {

using testing_support::readFileBytes;

bool holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(Report, CountsWhatTheCaptureHoldsAndNamesTheFilesThatFailed) {
    testing_support::useUtc();
    testing_support::ScratchDir dir("report");
    const auto source = testing_support::sourceDir();
    std::string error;
    const auto builder = dtgen::parseDescription(
        readFileBytes(source / "tests" / "e2e" / "data" / "report.txt"), error);
    ASSERT_TRUE(builder.has_value()) << error;
    testing_support::writeFileBytes(dir / "known.DT", builder->build());
    testing_support::writeFileBytes(dir / "broken.DT", "not a capture");
    const std::string dbc = platform::pathToUtf8(source / "examples" / "vehicle.dbc");
    testing_support::CapturedStream err(stderr, dir / "stderr.txt");
    const int status = cli::runConvertCommand(
        {"-q", "--summary", "--log", platform::pathToUtf8(dir.path()), "--dbc", dbc, "--report",
         platform::pathToUtf8(dir / "run.json"), platform::pathToUtf8(dir / "known.DT"),
         platform::pathToUtf8(dir / "broken.DT")});
    const std::string messages = err.text();
    EXPECT_EQ(status, 1);
    const std::string report = readFileBytes(dir / "run.json");
    // The report holds paths as JSON strings: a Windows path's backslashes come doubled.
    std::string knownPath;
    for (const char c : platform::pathToUtf8(dir / "known.DT")) {
        knownPath += c == '\\' ? std::string("\\\\") : std::string(1, c);
    }
    const size_t known = report.find("\"input\":\"" + knownPath);
    ASSERT_NE(known, std::string::npos) << report;
    const std::string line = report.substr(known, report.find('\n', known) - known);
    for (const char* part : {
             "\"outcome\":\"converted\"",
             "\"records\":15,\"frames\":{\"ch1\":12,\"ch2\":2},\"framesDecoded\":9",
             "\"unknown\":{\"frames\":5,\"identifiers\":[{\"id\":\"555\",\"extended\":false,"
             "\"frames\":3,\"ch1\":3,\"ch2\":0},{\"id\":\"18FEF200\",\"extended\":true,"
             "\"frames\":2,\"ch1\":0,\"ch2\":2}]}",
             "\"short\":{\"frames\":2,\"messages\":[{\"message\":\"EngineData\",\"id\":\"100\","
             "\"frames\":2}]}",
             "\"valuesBeyondData\":2",
             "\"unmatchedSwitches\":[{\"message\":\"Diagnostics\",\"switch\":\"PageIndex\","
             "\"frames\":4,\"values\":[7,9],\"moreValues\":false}]",
             "\"lines\":23",
             "\"firstSeconds\":0.000200,\"firstTime\":\"2024-05-01T12:34:56.000200Z\"",
             "\"lastSeconds\":0.001500",
         }) {
        EXPECT_TRUE(holds(line, part)) << part << "\n" << line;
    }
    EXPECT_TRUE(holds(report,
                      "\"outcome\":\"failed\",\"message\":\"not a capture this program "
                      "can read, or a damaged one\",\"code\":\"0x8007000D\""))
        << report;
    EXPECT_TRUE(holds(report,
                      "\"totals\":{\"files\":2,\"converted\":1,\"cutShort\":0,"
                      "\"failed\":1,\"records\":15,"))
        << report;
    EXPECT_TRUE(holds(messages, "Summary: 2 files: 1 converted, 0 cut short, 1 failed"))
        << messages;
    EXPECT_TRUE(holds(messages,
                      "5 frame(s) of identifiers the database does not know (most: 555 x3, "
                      "18FEF200 x2)"))
        << messages;
    EXPECT_TRUE(holds(messages,
                      "2 short frames, 2 values read past the data, 4 frames whose "
                      "multiplexer value selects no signal"))
        << messages;
}

}  // namespace
