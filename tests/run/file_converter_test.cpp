#include "run/file_converter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "dbc/finalise.h"
#include "dbc/line_parser.h"
#include "dbc/loader.h"
#include "platform/platform.h"
#include "run/file_stats.h"
#include "tests/support/test_paths.h"
#include "tools/dtgen/capture_builder.h"

namespace {

using run::FileStatus;

constexpr std::string_view kDbc[] = {
    "BO_ 256 Engine: 8 ECU",
    " SG_ Speed : 0|16@1+ (0.5,0) [0|100] \"km/h\" X",
    "BO_ 2147483904 Long: 64 ECU",
    " SG_ Tail : 496|16@1+ (1,0) [0|65535] \"\" X",
};

class FileConverter : public ::testing::Test {
protected:
    void SetUp() override {
        dbc::DbcParser parser(database);
        for (std::string_view line : kDbc) dbc::parseDbcLine(parser, line);
        ASSERT_EQ(dbc::finaliseDatabase(parser), 0);
        options = tables::buildConversionOptions(settings::ConversionSettings{});
        options.timeStamps = settings::TimeStamps::kElapsed;
    }

    // Converts `bytes` written as a capture file; the output's bytes.
    std::string convertBytes(const std::string& bytes, run::FileOutcome& outcome) {
        // Removed first: a file truncated and written again costs a disk flush on some systems.
        std::filesystem::remove(dir / "in.DT");
        std::filesystem::remove(dir / "in.csv");
        testing_support::writeFileBytes(dir / "in.DT", bytes);
        if (!converter)
            converter =
                std::make_unique<run::FileConverter>(decode::Decoding::of(database), options);
        outcome = converter->convert(dir / "in.DT", dir / "in.csv");
        return testing_support::readFileBytes(dir / "in.csv");
    }

    testing_support::ScratchDir dir{"file-converter"};
    dbc::CanDatabase database;
    tables::ConversionOptions options;
    std::unique_ptr<run::FileConverter> converter;  // one worker's, for every file
};

// A capture cut at every length inside its records converts the frames whose records are all
// present, exactly as a whole capture of just those frames does, and says it was cut short.
TEST_F(FileConverter, CutCaptureConvertsTheFramesItHolds) {
    for (int variant : {27, 29}) {
        std::vector<dtgen::FrameSpec> frames;
        for (int i = 0; i < 6; ++i) {
            const bool extended = i % 2 == 1;
            frames.push_back(
                {.channel = i % 2,
                 .id = 0x100,
                 .extended = extended,
                 .data = std::vector<uint8_t>(extended ? 64 : 8, static_cast<uint8_t>(i + 1)),
                 .time = 1000u * static_cast<uint64_t>(i),
                 .extensionRecord = variant == 27 && i == 3});
        }
        dtgen::CaptureBuilder whole(variant);
        whole.timeStampMode(4);
        for (const dtgen::FrameSpec& frame : frames) whole.frame(frame);
        const std::string bytes = whole.build();
        const size_t recordsStart = bytes.size() - whole.recordCount() * 32;
        const uint64_t claimed = whole.recordCount();

        // The output of a whole capture of the frames within the first n records.
        std::map<uint64_t, std::string> expected;
        auto expectedFor = [&](uint64_t present) -> const std::string& {
            if (expected.count(present) == 0) {
                dtgen::CaptureBuilder part(variant);
                part.timeStampMode(4);
                uint64_t used = 0;
                for (const dtgen::FrameSpec& frame : frames) {
                    dtgen::CaptureBuilder one(variant);
                    used += one.frame(frame).recordCount();
                    if (used <= present) part.frame(frame);
                }
                run::FileOutcome outcome;
                expected[present] = convertBytes(part.build(), outcome);
                EXPECT_EQ(outcome.status, FileStatus::kConverted);
            }
            return expected[present];
        };
        ASSERT_NE(expectedFor(claimed).find("Tail"), std::string::npos);

        for (size_t length = recordsStart - 8; length <= bytes.size(); ++length) {
            const uint64_t present = length > recordsStart ? (length - recordsStart) / 32 : 0;
            const std::string& wanted = expectedFor(present);
            run::FileOutcome outcome;
            const std::string output = convertBytes(bytes.substr(0, length), outcome);
            EXPECT_EQ(outcome.code, 0) << variant << " " << length;
            if (length == bytes.size()) {
                EXPECT_EQ(outcome.status, FileStatus::kConverted);
            } else if (length >= recordsStart) {
                EXPECT_EQ(outcome.status, FileStatus::kCutShort) << variant << " " << length;
                EXPECT_EQ(outcome.recordsClaimed, claimed) << variant << " " << length;
                EXPECT_EQ(outcome.recordsPresent, present) << variant << " " << length;
                EXPECT_TRUE(outcome.wroteOutput());
            } else if (length > recordsStart - 8) {
                // The record chunk's own header is cut: no record, none known to be claimed.
                EXPECT_EQ(outcome.status, FileStatus::kCutShort) << variant << " " << length;
                EXPECT_EQ(outcome.recordsClaimed, 0u) << variant << " " << length;
                EXPECT_EQ(outcome.recordsPresent, 0u) << variant << " " << length;
                EXPECT_TRUE(outcome.wroteOutput());
            } else {
                // The information chunk ends the file: a capture without records.
                EXPECT_EQ(outcome.status, FileStatus::kConverted) << variant << " " << length;
            }
            EXPECT_EQ(output, wanted) << variant << " " << length;
        }
    }
}

TEST_F(FileConverter, LoadFailuresSayWhetherTheCaptureWasTooLarge) {
    dtgen::CaptureBuilder builder(29);
    builder.frame({.id = 0x100, .data = {1, 2}});
    run::FileOutcome outcome;
    convertBytes(builder.build(), outcome);
    EXPECT_TRUE(outcome.converted());

    convertBytes(builder.breakSignature().build(), outcome);
    EXPECT_EQ(outcome.status, FileStatus::kLoadFailed);
    EXPECT_EQ(outcome.code, platform::kInvalidData);
    EXPECT_EQ(outcome.detail, run::FailureDetail::kNone);

    // Sparse: refused on its size before anything is read.
    std::filesystem::resize_file(dir / "in.DT", 0x40000001);
    outcome = converter->convert(dir / "in.DT", dir / "big.csv");
    EXPECT_EQ(outcome.status, FileStatus::kLoadFailed);
    EXPECT_EQ(outcome.code, platform::kInvalidData);
    EXPECT_EQ(outcome.detail, run::FailureDetail::kCaptureTooLarge);
    EXPECT_FALSE(std::filesystem::exists(dir / "big.csv"));
}

}  // namespace

namespace {

#ifndef _WIN32
// The lines a report counts are those of outputs that were kept: an output given up on a full
// disk or a stop counts none.
TEST(FileConverterStats, LinesCountOnlyInAnOutputThatWasKept) {
    testing_support::ScratchDir dir("file-converter-stats");
    dbc::CanDatabase database;
    ASSERT_TRUE(dbc::loadDbcText(database, "BO_ 256 A: 8 X\n SG_ S : 0|8@1+ (1,0) [0|255] \"\" X\n",
                                 dir / "log"));
    dtgen::CaptureBuilder b(29);
    b.random({.count = 100000, .seed = 4, .length = 8, .ids = {{0x100, false}}});
    testing_support::writeFileBytes(dir / "in.DT", b.build());
    tables::ConversionOptions options;
    options.collectStats = true;
    run::FileConverter converter(decode::Decoding::of(database), options);
    const run::FileOutcome kept = converter.convert(dir / "in.DT", dir / "in.csv");
    ASSERT_TRUE(kept.converted());
    EXPECT_EQ(kept.stats->lines, 100000u);
    const run::FileOutcome full = converter.convert(dir / "in.DT", "/dev/full");
    EXPECT_EQ(full.status, run::FileStatus::kOutputFailed);
    ASSERT_NE(full.stats, nullptr);
    EXPECT_EQ(full.stats->lines, 0u);
    const std::atomic<bool> stop{true};
    run::FileConverter stopped(decode::Decoding::of(database), options, {&stop, nullptr});
    const run::FileOutcome given = stopped.convert(dir / "in.DT", dir / "other.csv");
    EXPECT_EQ(given.status, run::FileStatus::kStopped);
    EXPECT_EQ(given.stats->lines, 0u);
}
#endif

}  // namespace
