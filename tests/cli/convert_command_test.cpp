// What txtcvt-cli convert tells the user when files do not convert, and when its settings are
// not what it can use: every failed file once, in words, with its code; nothing silently.
#include <gtest/gtest.h>

#include <string>

#include "cli/commands.h"
#include "platform/text_encoding.h"
#include "tests/support/captured_output.h"
#include "tests/support/test_paths.h"
#include "tools/dtgen/capture_builder.h"

namespace cli {
int runConvertCommand(const Arguments& args);
}

namespace {

using testing_support::readFileBytes;
using testing_support::ScratchDir;

std::string capture(int frames) {
    dtgen::CaptureBuilder builder(29);
    builder.random({.count = static_cast<uint64_t>(frames), .seed = 9, .ids = {{0x100, false}}});
    return builder.build();
}

class ConvertCommand : public ::testing::Test {
protected:
    // Runs the command; its standard error goes to `messages`.
    int run(cli::Arguments args) {
        testing_support::CapturedStream err(stderr, dir / "stderr.txt");
        args.insert(args.begin(),
                    {"--dbc", dbc, "--log", platform::pathToUtf8(dir / "dbcload.log")});
        const int status = cli::runConvertCommand(args);
        messages = err.text();
        return status;
    }
    std::string path(const char* name) { return platform::pathToUtf8(dir / name); }
    bool says(const std::string& text) const { return messages.find(text) != std::string::npos; }

    ScratchDir dir{"convert-command"};
    std::string dbc =
        platform::pathToUtf8(testing_support::sourceDir() / "examples" / "vehicle.dbc");
    std::string messages;
};

TEST_F(ConvertCommand, EachFileThatFailsIsNamedWithWhatHappenedAndItsCode) {
    testing_support::writeFileBytes(dir / "good.DT", capture(10));
    testing_support::writeFileBytes(dir / "junk.DT", "not a capture at all");
    testing_support::writeFileBytes(dir / "good.XY", capture(12));
    EXPECT_EQ(
        run({"--quiet", path("good.DT"), path("junk.DT"), path("missing.DT"), path("good.XY")}), 1);
    EXPECT_NE(
        messages.find(path("junk.DT") + ": not a capture this program can read, or a damaged one "
                                        "(0x8007000D)"),
        std::string::npos)
        << messages;
    EXPECT_NE(messages.find(path("missing.DT") + ": cannot read the capture: "), std::string::npos)
        << messages;
    EXPECT_NE(messages.find("(0x80070002)"), std::string::npos) << messages;
    EXPECT_NE(messages.find(path("good.XY") + ": not converted: " + path("good.csv") +
                            " is the output of " + path("good.DT") + " too"),
              std::string::npos)
        << messages;
    EXPECT_NE(messages.find("1 of 4 files converted, 0 cut short, 3 failed"), std::string::npos)
        << messages;
    EXPECT_EQ(run({"--quiet", path("good.DT")}), 0);
    EXPECT_EQ(messages, "");
}

TEST_F(ConvertCommand, AFileNamedAsALogThatIsNoneSaysWhichLogItIsNot) {
    std::string binary(200, '\x01');
    binary[1] = '\0';
    testing_support::writeFileBytes(dir / "junk.asc", binary);
    testing_support::writeFileBytes(dir / "notes.log", "some words\nmore words\n");
    testing_support::writeFileBytes(dir / "other.blf", binary);
    testing_support::writeFileBytes(dir / "junk2.trc.gz", "some words\n");
    // What is not named as a log, and a capture named as one, read as captures as before.
    testing_support::writeFileBytes(dir / "junk3.txt", binary);
    testing_support::writeFileBytes(dir / "capture.asc", capture(10));
    EXPECT_EQ(
        run({"--quiet", "-o", path("out"), path("junk.asc"), path("notes.log"), path("other.blf"),
             path("junk2.trc.gz"), path("junk3.txt"), path("capture.asc")}),
        1);
    for (const std::string& line : {
             path("junk.asc") + ": cannot read the ASC log: it is not text (0x8007000D)\n",
             path("notes.log") +
                 ": cannot read the candump log: no line of it is a candump header or frame "
                 "(0x8007000D)\n",
             path("other.blf") +
                 ": cannot read the BLF log: it does not start with a BLF file header (LOGG) "
                 "(0x8007000D)\n",
             path("junk2.trc.gz") +
                 ": cannot read the TRC log: no line of it is a TRC header or frame "
                 "(0x8007000D)\n",
             path("junk3.txt") +
                 ": not a capture this program can read, or a damaged one (0x8007000D)\n",
             std::string("1 of 6 files converted, 0 cut short, 5 failed\n"),
         }) {
        EXPECT_TRUE(says(line)) << line << "\n" << messages;
    }
    EXPECT_TRUE(std::filesystem::exists(dir / "out" / "capture.csv"));
}

TEST_F(ConvertCommand, ASettingsFileIsNeverIgnoredSilently) {
    testing_support::writeFileBytes(dir / "a.DT", capture(3));
    EXPECT_EQ(run({"--settings", path("missing.ini"), path("a.DT")}), 2);
    EXPECT_NE(messages.find("cannot read the settings file " + path("missing.ini")),
              std::string::npos)
        << messages;
    testing_support::writeFileBytes(dir / "typo.ini",
                                    "[txtcvtParams]\r\nsignalLine=CH1 Only\r\nprintCh=yes\r\n");
    EXPECT_EQ(run({"--quiet", "--settings", path("typo.ini"), path("a.DT")}), 0);
    EXPECT_NE(messages.find("warning: " + path("typo.ini") +
                            ": signalLine=CH1 Only is not one of \"All\", \"CH1 only\" or "
                            "\"CH2 only\"; \"All\" is used"),
              std::string::npos)
        << messages;
    EXPECT_NE(messages.find("printCh=yes is not one of \"False\" or \"True\"; \"False\" is used"),
              std::string::npos)
        << messages;
    EXPECT_EQ(run({"--quiet", "--delimiter", "\\x", path("a.DT")}), 0);
    EXPECT_NE(messages.find("warning: the delimiter's escape \\x stands for nothing"),
              std::string::npos)
        << messages;
    EXPECT_NE(messages.find("warning: the delimiter is empty"), std::string::npos) << messages;
}

// EngineData frames of the example database: EngineSpeed is 3000, 3600 or 1000 rpm.
dtgen::FrameSpec engineSpeed(uint64_t time, int rpm) {
    const auto raw = static_cast<uint16_t>(rpm * 4);
    return {.id = 0x100,
            .data = {static_cast<uint8_t>(raw & 0xFF), static_cast<uint8_t>(raw >> 8), 0, 0, 0, 0,
                     0, 0},
            .time = time};
}

// A gap of more than a million periods leaves out its rows but not the values on either side;
// a frame earlier than the one before goes into the next row. Both are said and counted.
TEST_F(ConvertCommand, AResampledTableSaysWhatItLeftOutAndWhereTheTimeRanBackwards) {
    dtgen::CaptureBuilder gap(29);
    gap.frame(engineSpeed(0, 3000)).frame(engineSpeed(1500, 3600));
    gap.frame(engineSpeed(1200000000, 1000)).frame(engineSpeed(1199999500, 3000));
    gap.frame(engineSpeed(1200001000, 3600));
    testing_support::writeFileBytes(dir / "gap.DT", gap.build());
    dtgen::CaptureBuilder even(29);
    even.frame(engineSpeed(0, 3000)).frame(engineSpeed(2500, 3600));
    testing_support::writeFileBytes(dir / "even.DT", even.build());
    ASSERT_EQ(run({"-q", "--layout", "wide", "--resample", "1ms", "--signals", "EngineSpeed",
                   "--timestamp", "elapsed", "--line-end", "lf", "--report", path("run.json"),
                   path("gap.DT"), path("even.DT")}),
              0);
    EXPECT_EQ(readFileBytes(dir / "gap.csv"),
              "TimeStamp,EngineData.EngineSpeed [rpm]\n0.000000,3000.000000\n"
              "0.001000,3000.000000\n0.002000,3600.000000\n1200.000000,3000.000000\n"
              "1200.001000,3600.000000\n");
    EXPECT_EQ(readFileBytes(dir / "even.csv"),
              "TimeStamp,EngineData.EngineSpeed [rpm]\n0.000000,3000.000000\n"
              "0.001000,3000.000000\n0.002000,3000.000000\n0.003000,3600.000000\n");
    EXPECT_EQ(messages,
              path("gap.DT") +
                  ": warning: the resampled table leaves out 1199997 rows where the time jumps by "
                  "more than a million periods, from 0.001500 s to 1200.000000 s\n" +
                  path("gap.DT") +
                  ": warning: the time runs backwards at 1 frame, from 1200.000000 s to "
                  "1199.999500 s; the resampled rows go on from the latest time\n");
    const std::string report = readFileBytes(dir / "run.json");
    const size_t evenAt = report.find("even.DT");
    const size_t totals = report.find("\"totals\"");
    ASSERT_LT(evenAt, totals) << report;
    EXPECT_LT(report.find("\"lines\":5,\"rowsSkipped\":1199997,\"timeBackwards\":1,"), evenAt)
        << report;
    EXPECT_EQ(report.find("rowsSkipped", evenAt), report.rfind("rowsSkipped")) << report;
    EXPECT_GT(report.find("\"lines\":9,\"rowsSkipped\":1199997,\"timeBackwards\":1,"), totals)
        << report;

    // Without a gap neither a warning nor the fields.
    ASSERT_EQ(run({"-q", "--layout", "wide", "--resample", "1ms", "--report", path("run.json"),
                   path("even.DT")}),
              0);
    EXPECT_EQ(messages, "");
    EXPECT_EQ(readFileBytes(dir / "run.json").find("rowsSkipped"), std::string::npos);
}

// With several messages of a frame's parameter group the one of its source address decodes it;
// a frame that only the lowest identifier decides is counted in the summary and the report.
TEST_F(ConvertCommand, J1939TakesTheClosestMessageAndCountsTheAmbiguousFrames) {
    testing_support::writeFileBytes(
        dir / "j1939.dbc",
        "BO_ 2364539904 EEC1_SA00: 8 Engine\n"
        " SG_ EngineSpeed : 24|16@1+ (0.125,0) [0|8031.875] \"rpm\" X\n"
        "BO_ 2364539905 EEC1_SA01: 8 Engine\n"
        " SG_ EngineSpeed : 24|16@1+ (0.125,0) [0|8031.875] \"rpm\" X\n");
    dtgen::CaptureBuilder trucks(29);
    for (const uint32_t id : {0x18F00401u, 0x18F00402u, 0x0CF00400u}) {
        trucks.frame({.id = id, .extended = true, .data = {0, 0, 0, 0x40, 0x1F, 0, 0, 0}});
    }
    testing_support::writeFileBytes(dir / "trucks.DT", trucks.build());
    testing_support::CapturedStream err(stderr, dir / "stderr.txt");
    const int status = cli::runConvertCommand(
        {"-q", "--log", path("dbcload.log"), "--dbc", path("j1939.dbc"), "--j1939", "--columns",
         "id,msg", "--timestamp", "none", "--line-end", "lf", "--summary", "--report",
         path("run.json"), path("trucks.DT")});
    messages = err.text();
    ASSERT_EQ(status, 0) << messages;
    EXPECT_EQ(readFileBytes(dir / "trucks.csv"),
              "CAN_ID,Message,Signal,Value\n18F00401,EEC1_SA01,EngineSpeed,1000.000000\n"
              "18F00402,EEC1_SA00,EngineSpeed,1000.000000\n"
              "CF00400,EEC1_SA00,EngineSpeed,1000.000000\n");
    EXPECT_TRUE(
        says(", 2 matched as J1939 (1 of them ambiguous: several messages as close, the "
             "lowest identifier taken)\n"))
        << messages;
    const std::string report = readFileBytes(dir / "run.json");
    EXPECT_NE(report.find("\"framesJ1939\":2,\"framesJ1939Ambiguous\":1,"), std::string::npos)
        << report;
}

// A capture that ends inside its record chunk's header has lost every record: cut short, as a
// capture cut inside its records is, with an output of the header line alone.
TEST_F(ConvertCommand, ACaptureCutInsideItsRecordChunkHeaderIsCutShort) {
    dtgen::CaptureBuilder builder(29);
    builder.random({.count = 5, .seed = 9, .ids = {{0x100, false}}});
    const size_t headerStart = 16 + builder.informationChunk().size();
    testing_support::writeFileBytes(dir / "cut.DT", builder.build().substr(0, headerStart + 2));
    EXPECT_EQ(run({"-q", "--line-end", "lf", path("cut.DT")}), 0);
    EXPECT_EQ(messages, path("cut.DT") +
                            ": warning: the capture is cut short before its records: none are "
                            "present\n0 of 1 files converted, 1 cut short, 0 failed\n");
    EXPECT_EQ(readFileBytes(dir / "cut.csv"),
              "Date,Time,msec,Ch,CAN_ID,Message,Signal,Value,Unit,Enum\n");
    // Up to the end of the information chunk nothing says a record chunk was meant to follow.
    testing_support::writeFileBytes(dir / "cut.DT", builder.build().substr(0, headerStart));
    EXPECT_EQ(run({"-q", path("cut.DT")}), 0);
    EXPECT_EQ(messages, "");
}

}  // namespace

namespace {

// Every file a run would write is held against its inputs and its other files before anything
// is written: the command refuses, names both, and every file stays as it was.
TEST(ConvertCommandFiles, NoFileTheRunReadsOrWritesIsWrittenOverOrTwice) {
    ScratchDir dir("convert-files");
    const auto at = [&](const char* name) { return platform::pathToUtf8(dir / name); };
    testing_support::writeFileBytes(dir / "d.DT", capture(20));
    testing_support::writeFileBytes(dir / "x.DT", capture(21));
    testing_support::writeFileBytes(
        dir / "v.dbc",
        testing_support::readFileBytes(testing_support::sourceDir() / "examples" / "vehicle.dbc"));
    const std::string before[] = {testing_support::readFileBytes(dir / "d.DT"),
                                  testing_support::readFileBytes(dir / "x.DT"),
                                  testing_support::readFileBytes(dir / "v.dbc")};
    const std::pair<cli::Arguments, std::string> refusals[] = {
        {{"--dbc", at("v.dbc"), "--report", at("x.DT"), at("x.DT")},
         "the report " + at("x.DT") + " is the input " + at("x.DT")},
        {{"--dbc", at("v.dbc"), "--report", at("d.csv"), at("d.DT")},
         "the output " + at("d.csv") + " is also the report " + at("d.csv")},
        {{"--dbc", at("v.dbc"), "--log", at("x.DT"), at("x.DT")},
         "the load log " + at("x.DT") + " is the input " + at("x.DT")},
        {{"--log", at("v.dbc"), "--dbc", at("v.dbc"), at("d.DT")},
         "the load log " + at("v.dbc") + " is the database " + at("v.dbc")},
        {{"--output", at("v.dbc"), "--dbc", at("v.dbc"), at("d.DT")},
         "the output " + at("v.dbc") + " is the database " + at("v.dbc")},
    };
    for (const auto& [args, words] : refusals) {
        testing_support::CapturedStream err(stderr, dir / "err.txt");
        EXPECT_EQ(cli::runConvertCommand(args), 2) << words;
        EXPECT_EQ(err.text(), "txtcvt-cli convert: " + words + ": nothing was written\n");
    }
#ifndef _WIN32
    // Through a link: the same file under another name.
    std::filesystem::create_symlink(dir / "d.DT", dir / "link.DT");
    testing_support::CapturedStream err(stderr, dir / "err.txt");
    EXPECT_EQ(cli::runConvertCommand({"--dbc", at("v.dbc"), "--log", at("load.log"), "--report",
                                      at("link.DT"), at("d.DT")}),
              2);
    EXPECT_NE(err.text().find("is the input"), std::string::npos) << err.text();
#else
    // In another case: Windows file names ignore it.
    testing_support::CapturedStream err(stderr, dir / "err.txt");
    EXPECT_EQ(cli::runConvertCommand({"--dbc", at("v.dbc"), "--log", at("load.log"), "--report",
                                      at("D.dt"), at("d.DT")}),
              2);
    EXPECT_NE(err.text().find("is the input"), std::string::npos) << err.text();
#endif
    EXPECT_EQ(testing_support::readFileBytes(dir / "d.DT"), before[0]);
    EXPECT_EQ(testing_support::readFileBytes(dir / "x.DT"), before[1]);
    EXPECT_EQ(testing_support::readFileBytes(dir / "v.dbc"), before[2]);
    EXPECT_FALSE(std::filesystem::exists(dir / "d.csv"));
    EXPECT_FALSE(std::filesystem::exists(dir / "x.csv"));
}

}  // namespace
