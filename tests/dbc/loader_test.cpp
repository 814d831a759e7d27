#include "dbc/loader.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_paths.h"

namespace {

using testing_support::readFileBytes;
using testing_support::ScratchDir;
using testing_support::writeFileBytes;

constexpr const char* kBanner = "[tessora]  DBC file load log\r\n";

struct Loaded {
    bool result;
    std::string log;
    dbc::LoadSummary summary;
};

Loaded loadText(dbc::CanDatabase& db, const ScratchDir& dir, const std::string& text) {
    writeFileBytes(dir / "in.dbc", text);
    Loaded out;
    out.result = dbc::loadDbcFile(db, dir / "in.dbc", dir / "dbcload.log", &out.summary);
    out.log = readFileBytes(dir / "dbcload.log");
    return out;
}

std::string goodFile(const char* lineEnd) {
    std::string text;
    const char* lines[] = {"VERSION \"\"",
                           "",
                           "BU_: ECU",
                           "BO_ 100 Engine: 8 ECU",
                           " SG_ Rpm : 0|16@1+ (0.25,0) [0|16383] \"rpm\" ECU",
                           " SG_ Bad : 16|8@1+x (1,0) [0|1] \"\" ECU",
                           " SG_ Temp : 24|8@1- (1,-40) [-40|215] \"C\" ECU"};
    for (const char* line : lines) text += std::string(line) + lineEnd;
    return text;
}

TEST(LoadDbcFile, LogsRejectedLinesAndSummary) {
    ScratchDir dir("dbcload");
    dbc::CanDatabase db;
    const Loaded crlf = loadText(db, dir, goodFile("\r\n"));
    EXPECT_TRUE(crlf.result);
    EXPECT_EQ(crlf.log, std::string(kBanner) +
                            "[Error] unrecognized expression\r\n"
                            "  :L6 >>  SG_ Bad : 16|8@1+x (1,0) [0|1] \"\" ECU\r\n"
                            "[load result]\r\n"
                            "  1 Errors, 1 Messages, 2 Signals\r\n");
    EXPECT_EQ(crlf.summary.lastLogLine, "  1 Errors, 1 Messages, 2 Signals");
    EXPECT_EQ(crlf.summary.errorCount, 1);
    // Bare line feeds and a second load of the same text give the same log.
    const Loaded lf = loadText(db, dir, goodFile("\n"));
    EXPECT_EQ(lf.log, crlf.log);
    EXPECT_EQ(dbc::signalCount(db), 2);
}

TEST(LoadDbcText, BytesInMemoryLoadAsTheSameFileDoes) {
    ScratchDir dir("dbctext");
    dbc::CanDatabase db;
    // CR LF, a bare CR inside a line, a last line without a line feed, and a Ctrl-Z that ends
    // the input before a line that would be an error.
    const std::string text = goodFile("\r\n") + "CM_ \"a\rb\";\r\nBO_ 200 Body: 8 ECU\x1A SG_ x";
    const Loaded fromFile = loadText(db, dir, text);
    dbc::LoadSummary summary;
    EXPECT_EQ(dbc::loadDbcText(db, text, dir / "text.log", &summary), fromFile.result);
    EXPECT_TRUE(summary.opened);
    EXPECT_EQ(summary.lastLogLine, "  1 Errors, 2 Messages, 2 Signals");
    EXPECT_EQ(readFileBytes(dir / "text.log"), fromFile.log);
    EXPECT_EQ(dbc::messageCount(db), 2);
}

TEST(LoadDbcFile, FailuresEndTheLog) {
    ScratchDir dir("dbcload");
    dbc::CanDatabase db;
    const Loaded empty = loadText(db, dir, "");
    EXPECT_FALSE(empty.result);
    EXPECT_EQ(empty.log, std::string(kBanner) + "[Error finalizing database] no valid data.\r\n");
    const Loaded version = loadText(db, dir, "VERSION \"x\"\n");
    EXPECT_FALSE(version.result);
    EXPECT_EQ(version.log, std::string(kBanner) +
                               "[Error finalizing database] no valid signal.\r\n"
                               "  0 Errors, 0 Messages, 0 Signals\r\n");
    EXPECT_EQ(db.loadState, dbc::kEmpty);
    const std::string longLine(20000, 'z');
    const Loaded tooLong = loadText(db, dir, "BO_ 1 A: 8 X\n" + longLine + "\n");
    EXPECT_FALSE(tooLong.result);
    EXPECT_EQ(tooLong.log, std::string(kBanner) + "[Error] too long input line\r\n  :L2 >> " +
                               longLine +
                               "\r\n[Error finalizing database] no valid signal.\r\n"
                               "  1 Errors, 0 Messages, 0 Signals\r\n");
}

TEST(LoadDbcFile, MissingFileKeepsDatabaseAndWritesNoLog) {
    ScratchDir dir("dbcload");
    dbc::CanDatabase db;
    ASSERT_TRUE(loadText(db, dir, goodFile("\n")).result);
    std::filesystem::remove(dir / "dbcload.log");
    dbc::LoadSummary summary;
    EXPECT_FALSE(dbc::loadDbcFile(db, dir / "missing.dbc", dir / "dbcload.log", &summary));
    EXPECT_FALSE(summary.opened);
    EXPECT_FALSE(std::filesystem::exists(dir / "dbcload.log"));
    EXPECT_EQ(dbc::messageCount(db), 1);
}

TEST(LoadDbcFile, HostileBytesNeverCrash) {
    ScratchDir dir("dbcload");
    dbc::CanDatabase db;
    std::string noise;
    uint32_t state = 12345;
    for (int i = 0; i < 200000; ++i) {
        state = state * 1103515245u + 12345u;
        const auto byte = static_cast<char>((state >> 16) & 0xFF);
        noise += byte == '\x1A' ? '\x1B' : byte;  // Ctrl-Z would end the input early
        if (i % 997 == 0)
            noise += "\nBO_ 1 A: 8 X\n SG_ s m1M : 1|1000@1- (1,0) [0|1] \"\" X\nBU_:\n";
    }
    noise += "\nBO_ 123456789012345678901234567890 Big: 8 X\n CM_ \"never closed";
    const Loaded loaded = loadText(db, dir, noise);
    EXPECT_TRUE(loaded.result);
    EXPECT_GT(loaded.summary.errorCount, 0);
    EXPECT_EQ(loaded.log.rfind(kBanner, 0), 0u);
}

}  // namespace
