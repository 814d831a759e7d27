// End to end: a log of more than two channels through every command. Any channel number is a
// Ch column, a --channel, a --dbc chN= with its own load log; the report and the summary say
// what the log held by channel and kind, what its reader could not read, and identifiers with
// the CSV's digits; a wide table splits a message met on several channels; an export reports
// its frames and what its format left out.
#include <gtest/gtest.h>

#include <string>

#include "cli/commands.h"
#include "platform/text_encoding.h"
#include "tests/support/captured_output.h"
#include "tests/support/test_paths.h"

namespace cli {
int runConvertCommand(const Arguments& args);
int runExportCommand(const Arguments& args);
int runInspect(const Arguments& args);
}  // namespace cli

namespace {

using testing_support::readFileBytes;

std::string pathText(const std::filesystem::path& path) { return platform::pathToUtf8(path); }

bool holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// can0 and can1 are CH1 and CH2, vcan7 is CH8. EngineData (100) comes on all three; an unknown
// extended identifier on CH8; a remote, an error and a CAN FD frame; line 8 is unreadable.
constexpr const char* kLog =
    "(1714566896.000100) can0 100#1122334455667788\n"
    "(1714566896.000200) can1 100#1122334455667788\n"
    "(1714566896.000300) vcan7 100#2122334455667788\n"
    "(1714566896.000400) vcan7 0CF00500#01\n"
    "(1714566896.000500) vcan7 300#03\n"
    "(1714566896.000600) can0 123#R\n"
    "(1714566896.000700) can0 20000080#0000000000000000\n"
    "(1714566896.000800) can0 zzz\n"
    "(1714566896.000900) can1 7FF##1AABB\n";

class LogChannels : public ::testing::Test {
protected:
    void SetUp() override {
        testing_support::useUtc();
        testing_support::writeFileBytes(dir / "bus.log", kLog);
        dbc = pathText(testing_support::sourceDir() / "examples" / "vehicle.dbc");
    }
    // Runs convert with the arguments and the log; standard error's text.
    std::string convert(cli::Arguments args, int expected = 0) {
        testing_support::CapturedStream err(stderr, dir / "err.txt");
        args.insert(args.begin(), "-q");
        args.push_back(pathText(dir / "bus.log"));
        EXPECT_EQ(cli::runConvertCommand(args), expected);
        return err.text();
    }
    std::string log() const { return pathText(dir / "load.log"); }
    std::string out() const { return pathText(dir / "out.csv"); }
    testing_support::ScratchDir dir{"log-channels"};
    std::string dbc;
};

TEST_F(LogChannels, EveryChannelIsNamedSelectedAndDecodedThroughItsOwnDatabase) {
    // One database for every channel decodes CH8 too; the Ch column names it.
    convert({"--dbc", dbc, "--log", log(), "--columns", "ch,id,msg", "--output", out()});
    std::string table = readFileBytes(dir / "out.csv");
    EXPECT_TRUE(holds(table, ",CH1,100,EngineData,EngineSpeed,2180.250000\r\n")) << table;
    EXPECT_TRUE(holds(table, ",CH2,100,EngineData,EngineSpeed,2180.250000\r\n")) << table;
    EXPECT_TRUE(holds(table, ",CH8,100,EngineData,EngineSpeed,2184.250000\r\n")) << table;
    EXPECT_TRUE(holds(table, ",CH8,300,Transmission,GearPosition,3.000000\r\n")) << table;

    // --channel ch8 keeps CH8 alone; --dbc ch8= decodes it alone, CH1's and CH2's frames are
    // unknown, counted and never lost; the only database's load log keeps its plain name.
    const std::string summary = convert({"--dbc", "ch8=" + dbc, "--log", pathText(dir.path()),
                                         "--summary", "--columns", "ch,id", "--output", out()});
    table = readFileBytes(dir / "out.csv");
    EXPECT_FALSE(holds(table, "CH1")) << table;
    EXPECT_TRUE(holds(table, ",CH8,100,EngineSpeed,")) << table;
    EXPECT_TRUE(holds(summary, "2 decoded")) << summary;
    EXPECT_TRUE(holds(summary,
                      "4 frame(s) of identifiers the database does not know (most: 100 "
                      "x2, 7FF x1, CF00500 x1)"))
        << summary;
    EXPECT_TRUE(std::filesystem::exists(dir / "dbcload.log"));
    convert(
        {"--dbc", dbc, "--log", log(), "--channel", "CH8", "--columns", "ch", "--output", out()});
    table = readFileBytes(dir / "out.csv");
    EXPECT_FALSE(holds(table, "CH1,") || holds(table, "CH2,")) << table;
    EXPECT_TRUE(holds(table, "CH8,")) << table;

    // Several databases: a load log each, named after its channel.
    std::filesystem::create_directory(dir / "logs");
    const std::string messages =
        convert({"--dbc", "ch1=" + dbc, "--dbc", "CH8=" + dbc, "--log", pathText(dir / "logs"),
                 "--layout", "wide", "--signals", "EngineSpeed", "--output", out()});
    EXPECT_TRUE(std::filesystem::exists(dir / "logs" / "dbcload-ch1.log")) << messages;
    EXPECT_TRUE(std::filesystem::exists(dir / "logs" / "dbcload-ch8.log")) << messages;
    table = readFileBytes(dir / "out.csv");
    EXPECT_EQ(table.substr(0, table.find('\r')),
              "Date,Time,msec,CH1.EngineData.EngineSpeed [rpm],CH8.EngineData.EngineSpeed [rpm]");
}

TEST_F(LogChannels, TheReportSaysWhatTheLogHeldByChannelAndKind) {
    const std::string summary = convert({"--dbc", dbc, "--log", log(), "--summary", "--report",
                                         pathText(dir / "run.json"), "--output", out()});
    const std::string report = readFileBytes(dir / "run.json");
    for (const char* part : {
             // A log's records are the lines its reader walked: the nine of kLog.
             "\"records\":9,\"frames\":{\"ch1\":1,\"ch2\":2,\"ch8\":3},\"log\":{\"format\":"
             "\"candump log\",\"channels\":{\"ch1\":{\"data\":1,\"fd\":0,\"remote\":1,\"error\":1,"
             "\"damaged\":0},\"ch2\":{\"data\":2,\"fd\":1,\"remote\":0,\"error\":0,\"damaged\":0},"
             "\"ch8\":{\"data\":3,\"fd\":0,\"remote\":0,\"error\":0,\"damaged\":0}},\"skipped\":{},"
             "\"unreadable\":1,\"firstUnreadable\":[8],\"cutShort\":false},\"framesDecoded\":4",
             // The CSV's digits: at least 7 for an extended identifier; a key for every channel.
             "{\"id\":\"7FF\",\"extended\":false,\"frames\":1,\"ch1\":0,\"ch2\":1},"
             "{\"id\":\"CF00500\",\"extended\":true,\"frames\":1,\"ch1\":0,\"ch2\":0,\"ch8\":1}",
             "\"totals\":{\"files\":1,\"converted\":1,\"cutShort\":0,\"failed\":0,\"records\":9,"
             "\"frames\":{\"ch1\":1,\"ch2\":2,\"ch8\":3},\"log\":{\"logs\":1,",
             "\"unreadable\":1,\"cutShort\":0},\"framesDecoded\":4",
         }) {
        EXPECT_TRUE(holds(report, part)) << part << "\n" << report;
    }
    for (const char* line : {
             "  9 records, 6 frames (CH1 1, CH2 2, CH8 3), 4 decoded, 15 lines written\n",
             "  1 log: CH1 1 data, 1 remote, 1 error; CH2 2 data (1 FD); CH8 3 data\n",
             "  skipped: nothing; 1 unreadable line(s) or object(s)\n",
             "bus.log: 1 unreadable line(s) or object(s), the first: 8\n",
             "(most: 7FF x1, CF00500 x1)\n",
         }) {
        EXPECT_TRUE(holds(summary, line)) << line << "\n" << summary;
    }
    // inspect names each channel of the log with its interface and its frames.
    testing_support::CapturedStream shown(stdout, dir / "inspect.txt");
    ASSERT_EQ(cli::runInspect({pathText(dir / "bus.log")}), 0);
    const std::string text = shown.text();
    EXPECT_TRUE(holds(text,
                      "CH1: can0, 1 data, 1 remote, 1 error\nCH2: can1, 2 data (1 FD)\n"
                      "CH8: vcan7, 3 data\n"))
        << text;
}

TEST_F(LogChannels, AWideTableSplitsOnlyTheMessagesMetOnSeveralChannels) {
    convert({"--dbc", dbc, "--log", log(), "--layout", "wide", "--hold", "--signals",
             "EngineSpeed,GearPosition", "--time-format", "iso8601", "--clock", "utc", "--output",
             out()});
    EXPECT_EQ(readFileBytes(dir / "out.csv"),
              "Timestamp,CH1.EngineData.EngineSpeed [rpm],CH2.EngineData.EngineSpeed [rpm],"
              "CH8.EngineData.EngineSpeed [rpm],Transmission.GearPosition\r\n"
              "2024-05-01T12:34:56.000100+00:00,2180.250000,,,\r\n"
              "2024-05-01T12:34:56.000200+00:00,2180.250000,2180.250000,,\r\n"
              "2024-05-01T12:34:56.000300+00:00,2180.250000,2180.250000,2184.250000,\r\n"
              "2024-05-01T12:34:56.000500+00:00,2180.250000,2180.250000,2184.250000,3.000000\r\n");
    // The channel kept is the only one met: the names stay as they are.
    convert({"--dbc", dbc, "--log", log(), "--layout", "wide", "--resample", "1ms", "--channel",
             "ch2", "--signals", "EngineSpeed", "--output", out()});
    const std::string table = readFileBytes(dir / "out.csv");
    EXPECT_EQ(table.substr(0, table.find('\r')), "Date,Time,msec,EngineData.EngineSpeed [rpm]");
}

TEST_F(LogChannels, AnExportReportsItsFramesAndWhatItsFormatLeftOut) {
    testing_support::CapturedStream err(stderr, dir / "err.txt");
    ASSERT_EQ(cli::runExportCommand({"-q", "--format", "asc", "--summary", "--report",
                                     pathText(dir / "export.json"), "-o", pathText(dir / "out"),
                                     pathText(dir / "bus.log"), pathText(dir / "missing.log")}),
              1);
    const std::string summary = err.text();
    const std::string report = readFileBytes(dir / "export.json");
    for (const char* part : {
             "{\"program\":\"txtcvt-cli ",
             "\"format\":\"asc\",\n\"files\":[\n",
             "\"outcome\":\"exported\",\"records\":9,\"frames\":{\"ch1\":1,\"ch2\":2,\"ch8\":3},"
             "\"channels\":{\"ch1\":{\"data\":1,\"fd\":0,\"remote\":1,\"error\":1,\"damaged\":0},",
             "\"unreadable\":1,\"firstUnreadable\":[8],\"cutShort\":false},\"leftOut\":{\"total\":"
             "1,\"framesOnChannel\":0,\"framesNotRead\":0,\"events\":0,\"errorDirections\":0,"
             "\"errorContents\":1,",
             "\"firstSeconds\":0.000100,\"firstTime\":\"2024-05-01T12:34:56.000100Z\","
             "\"lastSeconds\":0.000900,",
             "missing.asc\",\"outcome\":\"failed\",\"message\":\"cannot read the capture: ",
             "\"totals\":{\"files\":2,\"exported\":1,\"cutShort\":0,\"failed\":1,",
         }) {
        EXPECT_TRUE(holds(report, part)) << part << "\n" << report;
    }
    EXPECT_TRUE(holds(summary, "Summary: 2 files: 1 exported, 0 cut short, 1 failed")) << summary;
    EXPECT_TRUE(holds(summary, "  9 records, 6 frames (CH1 1, CH2 2, CH8 3)\n")) << summary;
    EXPECT_TRUE(holds(summary,
                      "  left out of the ASC logs: 1 identifiers and data of error "
                      "frames\n"))
        << summary;
    // The remote and the error frame reach the log.
    const std::string asc = readFileBytes(dir / "out" / "bus.asc");
    EXPECT_TRUE(holds(asc, " 1  123             Rx   r 0\n")) << asc;
    EXPECT_TRUE(holds(asc, " 1  ErrorFrame\n")) << asc;

    // The report is held against the inputs and outputs, and - is standard output alone.
    testing_support::CapturedStream refusals(stderr, dir / "refusals.txt");
    EXPECT_EQ(cli::runExportCommand({"-q", "--format", "blf", "--report", pathText(dir / "bus.log"),
                                     pathText(dir / "bus.log")}),
              2);
    EXPECT_EQ(cli::runExportCommand({"-q", "--format", "blf", "--report", "-", "--output", "-",
                                     pathText(dir / "bus.log")}),
              2);
    const std::string words = refusals.text();
    EXPECT_TRUE(holds(words, "the report ")) << words;
    EXPECT_TRUE(holds(words, "--report - and --output - would mix on standard output")) << words;
    EXPECT_EQ(readFileBytes(dir / "bus.log"), kLog);
}

}  // namespace
