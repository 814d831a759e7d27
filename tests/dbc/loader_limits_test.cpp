// Files the loader must refuse or report honestly: missing, folders, too large, pipes, a log
// that cannot be written, and the first errors it hands to the command line.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "dbc/loader.h"
#include "tests/support/test_paths.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#endif

namespace {

using testing_support::readFileBytes;
using testing_support::ScratchDir;
using testing_support::writeFileBytes;

constexpr const char* kGood = "BO_ 1 M: 8 X\n SG_ s : 0|8@1+ (1,0) [0|1] \"\" X\n";

dbc::LoadOptions optionsIn(const ScratchDir& dir) {
    dbc::LoadOptions options;
    options.logPath = dir / "dbcload.log";
    options.openDiagnostic = false;
    return options;
}

// A database that loaded, to see that a refused file leaves it as it was.
void loadGood(dbc::CanDatabase& db, const ScratchDir& dir) {
    writeFileBytes(dir / "good.dbc", kGood);
    ASSERT_TRUE(dbc::loadDbcFile(db, dir / "good.dbc", optionsIn(dir)));
    std::filesystem::remove(dir / "dbcload.log");
}

TEST(LoadLimits, FilesThatCannotBeOpenedKeepTheDatabaseAndWriteNoLog) {
    ScratchDir dir("dbclimits");
    dbc::CanDatabase db;
    loadGood(db, dir);
    std::filesystem::create_directory(dir / "folder.dbc");
    const struct {
        std::filesystem::path path;
        uint32_t windowsError;
    } cases[] = {{dir / "missing.dbc", 2}, {dir / "no" / "x.dbc", 3}, {dir / "folder.dbc", 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.string());
        dbc::LoadSummary summary;
        summary.errorCount = 9;
        EXPECT_FALSE(dbc::loadDbcFile(db, c.path, optionsIn(dir), &summary));
        EXPECT_FALSE(summary.opened);
        EXPECT_EQ(summary.openResult, static_cast<int32_t>(0x80070000u + c.windowsError));
        EXPECT_EQ(summary.errorCount, 0);
        EXPECT_FALSE(summary.logWritten);
        EXPECT_FALSE(std::filesystem::exists(dir / "dbcload.log"));
        EXPECT_EQ(dbc::signalCount(db), 1);
    }
}

TEST(LoadLimits, LargerThanTheLimitIsRefusedBeforeReading) {
    ScratchDir dir("dbclimits");
    dbc::CanDatabase db;
    loadGood(db, dir);
    dbc::LoadOptions options = optionsIn(dir);
    options.maxBytes = 1000;
    // Sparse: the size says it all, nothing is read.
    {
        std::filesystem::path big = dir / "big.dbc";
        writeFileBytes(big, "");
        std::filesystem::resize_file(big, 1001);
        dbc::LoadSummary summary;
        EXPECT_FALSE(dbc::loadDbcFile(db, big, options, &summary));
        EXPECT_TRUE(summary.opened);
        EXPECT_TRUE(summary.tooLarge);
        EXPECT_EQ(summary.fileBytes, 1001u);
        EXPECT_FALSE(std::filesystem::exists(dir / "dbcload.log"));
        EXPECT_EQ(dbc::signalCount(db), 1);
    }
    // Exactly at the limit still loads.
    std::string exact = kGood;
    exact.resize(1000, ' ');
    writeFileBytes(dir / "exact.dbc", exact);
    dbc::LoadSummary summary;
    EXPECT_TRUE(dbc::loadDbcFile(db, dir / "exact.dbc", options, &summary));
    EXPECT_FALSE(summary.tooLarge);
    EXPECT_TRUE(summary.logWritten);
    // The default limit is 256 MiB.
    EXPECT_EQ(dbc::LoadOptions{}.maxBytes, 268435456u);
}

#ifndef _WIN32
TEST(LoadLimits, APipeIsReadUpToTheLimitAndThenRefused) {
    ScratchDir dir("dbclimits");
    const std::filesystem::path fifo = dir / "pipe.dbc";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    dbc::LoadOptions options = optionsIn(dir);
    options.maxBytes = 100000;
    for (const size_t bytes : {size_t{99999}, size_t{100001}}) {
        SCOPED_TRACE(bytes);
        std::thread writer([&] {
            std::FILE* out = std::fopen(fifo.c_str(), "wb");
            if (out == nullptr) return;
            std::string text = kGood;
            text.resize(bytes, '\n');
            std::fwrite(text.data(), 1, text.size(), out);  // fails once the reader has gone
            std::fclose(out);
        });
        dbc::CanDatabase db;
        dbc::LoadSummary summary;
        const bool loaded = dbc::loadDbcFile(db, fifo, options, &summary);
        writer.join();
        EXPECT_EQ(loaded, bytes < 100000);
        EXPECT_EQ(summary.tooLarge, bytes > 100000);
        EXPECT_EQ(summary.fileBytes, 0u);
    }
}
#endif

TEST(LoadLimits, OddContentLoadsNothingAndSaysSo) {
    ScratchDir dir("dbclimits");
    std::string utf16 = "\xFF\xFE";
    for (const char c : std::string(kGood)) utf16 += std::string{c, '\0'};
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 37) & 0xFF);
    const struct {
        const char* name;
        std::string text;
        const char* lastLine;
    } cases[] = {
        {"empty", "", "[Error finalizing database] no valid data."},
        {"utf16", utf16, "  0 Errors, 0 Messages, 0 Signals"},
        {"binary", binary, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeFileBytes(dir / "in.dbc", c.text);
        dbc::CanDatabase db;
        dbc::LoadSummary summary;
        EXPECT_FALSE(dbc::loadDbcFile(db, dir / "in.dbc", optionsIn(dir), &summary));
        EXPECT_TRUE(summary.opened);
        EXPECT_TRUE(summary.logWritten);
        if (c.lastLine != nullptr) {
            EXPECT_EQ(summary.lastLogLine, c.lastLine);
        }
        EXPECT_EQ(readFileBytes(dir / "dbcload.log").rfind("[tessora]  DBC file load log\r\n", 0),
                  0u);
    }
}

TEST(LoadLimits, FirstFiveErrorsWithTheirLines) {
    ScratchDir dir("dbclimits");
    std::string text = kGood;
    for (int i = 0; i < 7; ++i) text += " SG_ e" + std::to_string(i) + " : 0|8@1+x\n";
    text += std::string(20000, 'L') + "\n";
    writeFileBytes(dir / "in.dbc", text);
    dbc::CanDatabase db;
    dbc::LoadSummary summary;
    // The too long line also drops the open message: nothing loads.
    EXPECT_FALSE(dbc::loadDbcFile(db, dir / "in.dbc", optionsIn(dir), &summary));
    EXPECT_EQ(summary.errorCount, 8);
    ASSERT_EQ(summary.firstErrors.size(), 5u);
    EXPECT_EQ(summary.firstErrors[0].lineNumber, 3);
    EXPECT_EQ(summary.firstErrors[0].errorText, "[Error] unrecognized expression");
    EXPECT_EQ(summary.firstErrors[0].line, " SG_ e0 : 0|8@1+x");
    EXPECT_FALSE(summary.firstErrors[0].lineCut);
    EXPECT_EQ(summary.firstErrors[4].lineNumber, 7);
    // A long line is kept in the summary only in part; the log has it whole.
    writeFileBytes(dir / "long.dbc", std::string(kGood) + std::string(20000, 'L') + "\n");
    EXPECT_FALSE(dbc::loadDbcFile(db, dir / "long.dbc", optionsIn(dir), &summary));
    ASSERT_EQ(summary.firstErrors.size(), 1u);
    EXPECT_EQ(summary.firstErrors[0].errorText, "[Error] too long input line");
    EXPECT_EQ(summary.firstErrors[0].line.size(), dbc::kSummaryLineBytes);
    EXPECT_TRUE(summary.firstErrors[0].lineCut);
    EXPECT_NE(readFileBytes(dir / "dbcload.log").find(std::string(20000, 'L')), std::string::npos);
}

// Lines that straddle the blocks a file is read in, and one longer than a block, read as the
// same bytes in memory do.
TEST(LoadLimits, AFileReadInBlocksGivesTheSameLines) {
    ScratchDir dir("dbclimits");
    std::string text = kGood;
    uint32_t state = 99;
    while (text.size() < 3500000) {
        state = state * 1103515245u + 12345u;
        const size_t length = (state >> 16) % 3000;
        text += (state & 1) != 0 ? " SG_ x : 0|8@1+x " : "CM_ \"";
        text += std::string(length, static_cast<char>('a' + state % 26));
        text += (state & 2) != 0 ? "\r\n" : "\n";
        if (text.size() > 1500000 && text.size() < 1510000)
            text += std::string(1200000, 'w') + "\n";
    }
    text += "\r\nlast line without LF\r";
    writeFileBytes(dir / "in.dbc", text);
    dbc::CanDatabase db;
    dbc::LoadSummary fromFile;
    const bool loaded = dbc::loadDbcFile(db, dir / "in.dbc", optionsIn(dir), &fromFile);
    const std::string fileLog = readFileBytes(dir / "dbcload.log");
    dbc::LoadSummary fromText;
    EXPECT_EQ(dbc::loadDbcText(db, text, dir / "text.log", &fromText), loaded);
    EXPECT_GT(fromFile.errorCount, 100);
    EXPECT_EQ(fromText.errorCount, fromFile.errorCount);
    EXPECT_EQ(fromText.lastLogLine, fromFile.lastLogLine);
    EXPECT_TRUE(readFileBytes(dir / "text.log") == fileLog);
    // The same log collected in memory, with no file written.
    std::string memoryLog;
    dbc::LoadOptions inMemory = optionsIn(dir);
    inMemory.logPath = dir / "never.log";
    inMemory.logText = &memoryLog;
    dbc::LoadSummary fromMemory;
    EXPECT_EQ(dbc::loadDbcText(db, text, inMemory, &fromMemory), loaded);
    EXPECT_TRUE(fromMemory.logWritten);
    EXPECT_TRUE(memoryLog == fileLog);
    EXPECT_FALSE(std::filesystem::exists(dir / "never.log"));
}

TEST(LoadLimits, ALogThatCannotBeCreatedIsReported) {
    ScratchDir dir("dbclimits");
    writeFileBytes(dir / "in.dbc", kGood);
    dbc::LoadOptions options = optionsIn(dir);
    options.logPath = dir / "missing" / "dbcload.log";
    dbc::CanDatabase db;
    dbc::LoadSummary summary;
    EXPECT_TRUE(dbc::loadDbcFile(db, dir / "in.dbc", options, &summary));
    EXPECT_FALSE(summary.logWritten);
    EXPECT_EQ(summary.lastLogLine, "  0 Errors, 1 Messages, 1 Signals");
}

}  // namespace
