#include "run/file_parts.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "dbc/finalise.h"
#include "dbc/line_parser.h"
#include "platform/platform.h"
#include "run/column_parts.h"
#include "run/converter.h"
#include "run/file_converter.h"
#include "run/frame_export.h"
#include "run/sink_choice.h"
#include "tests/support/test_paths.h"
#include "tools/dtgen/capture_builder.h"

namespace {

using run::FileStatus;

constexpr std::string_view kDbc[] = {
    "BO_ 256 Engine: 8 ECU",
    " SG_ Speed : 0|16@1+ (0.5,0) [0|100] \"km/h\" X",
    " SG_ Gear : 16|4@1+ (1,0) [0|15] \"\" X",
    "BO_ 512 Mux: 64 ECU",
    " SG_ Switch M : 0|8@1+ (1,0) [0|255] \"\" X",
    " SG_ Low m1 : 8|16@1+ (1,0) [0|65535] \"\" X",
    " SG_ High m2 : 8|32@1+ (0.25,0) [0|1] \"\" X",
    " SG_ Tail m2 : 480|16@1+ (1,0) [0|65535] \"\" X",
    "BO_ 2147483904 Long: 64 ECU",
    " SG_ Tail : 496|16@1+ (1,0) [0|65535] \"\" X",
    "VAL_ 256 Gear 0 \"Park\" 1 \"Drive\" ;",
};

// Parts so small that frames of every kind fall on their edges.
constexpr run::PartSizes kTinyParts{
    .firstUnits = 5, .minUnits = 1, .maxUnits = 13, .outputBytes = 700};

class FileParts : public ::testing::Test {
protected:
    void SetUp() override {
        dbc::DbcParser parser(database);
        for (std::string_view line : kDbc) dbc::parseDbcLine(parser, line);
        ASSERT_EQ(dbc::finaliseDatabase(parser), 0);
        options = tables::buildConversionOptions(settings::ConversionSettings{});
        options.collectStats = true;
    }

    // A capture of every kind of record: frames of one to three records (and layout 27's
    // extension record), multiplexed frames, unknown identifiers, events and broken frames.
    std::string capture(int variant, uint64_t randomFrames) const {
        dtgen::CaptureBuilder builder(variant);
        builder.startTime(1714566896, 250000000).timeStampMode(variant == 27 ? 5 : 0);
        for (int i = 0; i < 40; ++i) {
            const int kind = i % 5;
            if (kind == 3) {
                builder.event({.kind = 5, .time = 100u * static_cast<uint64_t>(i)});
                continue;
            }
            dtgen::FrameSpec frame;
            frame.channel = i % 2;
            frame.time = 100u * static_cast<uint64_t>(i);
            frame.id = kind == 0 ? 0x100 : kind == 1 ? 0x200 : 0x1ABCDEF;
            frame.extended = kind == 2;
            frame.data.assign(kind == 0 ? 8 : 64, static_cast<uint8_t>(i));
            frame.data[0] = static_cast<uint8_t>(1 + i % 3);  // the multiplexer's switch
            frame.extensionRecord = variant == 27 && i % 7 == 1;
            if (i % 11 == 4) frame.lengthField = 70;  // a broken frame
            builder.frame(frame);
        }
        builder.random({.count = randomFrames,
                        .seed = 7,
                        .timeStep = 37,
                        .ids = {{0x100, false}, {0x200, false}, {0x300, false}, {0x100, true}}});
        return builder.build();
    }

    std::string convertOnOneWorker(const std::filesystem::path& input, run::FileOutcome& outcome,
                                   run::FileStats& stats) {
        run::FileConverter converter(decoding(), options);
        outcome = converter.convert(input, dir / "one.csv");
        if (outcome.stats) stats = *outcome.stats;
        return testing_support::readFileBytes(dir / "one.csv");
    }

    run::FileOutcome convertInParts(const std::filesystem::path& input,
                                    const std::filesystem::path& output, unsigned workers,
                                    run::FileStats& stats,
                                    const sources::WalkControl& control = {}) {
        sources::CaptureSource source;
        EXPECT_TRUE(source.open(input).ok());
        run::CaptureParts parts(input, source.capture());
        const std::unique_ptr<tables::FileSink> sink = run::makeFileSink(decoding(), options);
        return run::convertInParts(parts, source, decoding(), options, *sink, output, control,
                                   workers, &stats, kTinyParts);
    }

    const decode::Decoding& decoding() {
        if (!decoding_) decoding_ = decode::Decoding::of(database);
        return *decoding_;
    }

    testing_support::ScratchDir dir{"file-parts"};
    dbc::CanDatabase database;
    tables::ConversionOptions options;
    std::optional<decode::Decoding> decoding_;
};

void expectSameFigures(const run::FileStats& parts, const run::FileStats& one) {
    EXPECT_EQ(parts.lines, one.lines);
    EXPECT_EQ(parts.records, one.records);
    EXPECT_EQ(parts.framesDecoded, one.framesDecoded);
    EXPECT_EQ(parts.framesUnknown, one.framesUnknown);
    EXPECT_EQ(parts.framesShort, one.framesShort);
    EXPECT_EQ(parts.valuesBeyondData, one.valuesBeyondData);
    EXPECT_EQ(parts.timed, one.timed);
    EXPECT_EQ(parts.firstMicroseconds, one.firstMicroseconds);
    EXPECT_EQ(parts.lastMicroseconds, one.lastMicroseconds);
    EXPECT_EQ(parts.channels.frames(), one.channels.frames());
    for (int32_t channel : {0, 1}) {
        EXPECT_EQ(parts.channels.of(channel).damaged, one.channels.of(channel).damaged);
    }
    const auto partsUnknown = parts.topUnknown(10);
    const auto oneUnknown = one.topUnknown(10);
    ASSERT_EQ(partsUnknown.size(), oneUnknown.size());
    for (size_t i = 0; i < oneUnknown.size(); ++i) {
        EXPECT_EQ(partsUnknown[i].canId, oneUnknown[i].canId);
        EXPECT_EQ(partsUnknown[i].frames, oneUnknown[i].frames);
    }
    EXPECT_EQ(parts.unmatchedSwitches().size(), one.unmatchedSwitches().size());
}

// Whatever the workers and wherever the parts' edges fall, the file and the report's figures
// are those of one worker: both record layouts, every column, a byte order mark and header
// once, a cut capture.
TEST_F(FileParts, GiveTheBytesAndFiguresOfOneWorker) {
    for (const int variant : {27, 29}) {
        for (const bool cut : {false, true}) {
            SCOPED_TRACE(testing::Message() << "layout " << variant << (cut ? ", cut" : ""));
            std::string bytes = capture(variant, 3000);
            if (cut) bytes.resize(bytes.size() - 32 * 700 - 5);
            std::filesystem::remove(dir / "in.DT");
            testing_support::writeFileBytes(dir / "in.DT", bytes);
            options.columns.rawData = variant == 27;
            options.encoding =
                variant == 29 ? settings::Encoding::kUtf8Bom : settings::Encoding::kUtf8;
            run::FileOutcome oneOutcome;
            run::FileStats one;
            const std::string expected = convertOnOneWorker(dir / "in.DT", oneOutcome, one);
            ASSERT_GT(one.lines, 1500u);
            EXPECT_EQ(oneOutcome.status, cut ? FileStatus::kCutShort : FileStatus::kConverted);
            for (const unsigned workers : {1u, 2u, 3u}) {
                run::FileStats stats;
                const run::FileOutcome outcome =
                    convertInParts(dir / "in.DT", dir / "parts.csv", workers, stats);
                EXPECT_EQ(outcome.status, oneOutcome.status) << workers;
                EXPECT_EQ(outcome.recordsPresent, oneOutcome.recordsPresent);
                EXPECT_TRUE(testing_support::readFileBytes(dir / "parts.csv") == expected)
                    << workers << " workers";
                expectSameFigures(stats, one);
            }
        }
    }
}

// The run's own file converter takes the workers for a large enough capture and the long CSV;
// the same bytes come out.
TEST_F(FileParts, FileConverterSplitsACapture) {
    testing_support::writeFileBytes(dir / "big.DT", capture(29, 40000));
    run::FileOutcome outcome;
    run::FileStats one;
    const std::string expected = convertOnOneWorker(dir / "big.DT", outcome, one);
    run::FileConverter converter(decoding(), options, {}, {}, 2);
    ASSERT_TRUE(run::worthParts(40000, 2));
    EXPECT_EQ(converter.convert(dir / "big.DT", dir / "two.csv").status, FileStatus::kConverted);
    EXPECT_TRUE(testing_support::readFileBytes(dir / "two.csv") == expected);
}

// A stop request, before or in the middle of the parts, gives the file up as one worker does:
// the old output stays; an output that cannot be written fails as with one worker.
TEST_F(FileParts, StopAndFailureEndTheFileAsOneWorkerDoes) {
    testing_support::writeFileBytes(dir / "in.DT", capture(29, 60000));
    testing_support::writeFileBytes(dir / "old.csv", "old output\n");
    for (const bool midway : {false, true}) {
        std::atomic<bool> stop{!midway};
        std::atomic<uint64_t> walked{0};
        std::thread stopper([&] {
            while (midway && walked.load() < 32 * 20000) std::this_thread::yield();
            stop = true;
        });
        run::FileStats stats;
        const run::FileOutcome outcome =
            convertInParts(dir / "in.DT", dir / "old.csv", 2, stats, {&stop, &walked});
        stopper.join();
        EXPECT_EQ(outcome.status, FileStatus::kStopped);
        EXPECT_EQ(testing_support::readFileBytes(dir / "old.csv"), "old output\n");
    }
#ifdef __linux__
    // The capture shrinks after it was opened (Windows keeps an open file's size): the workers'
    // records are not the parts', and the file fails instead of converting what is left.
    {
        sources::CaptureSource source;
        ASSERT_TRUE(source.open(dir / "in.DT").ok());
        std::filesystem::resize_file(dir / "in.DT", std::filesystem::file_size(dir / "in.DT") / 2);
        const std::unique_ptr<tables::FileSink> sink = run::makeFileSink(decoding(), options);
        run::FileStats stats;
        run::CaptureParts parts(dir / "in.DT", source.capture());
        const run::FileOutcome shrunk = run::convertInParts(parts, source, decoding(), options,
                                                            *sink, dir / "old.csv", {}, 2, &stats);
        EXPECT_EQ(shrunk.status, FileStatus::kLoadFailed);
        EXPECT_EQ(testing_support::readFileBytes(dir / "old.csv"), "old output\n");
    }
    run::FileStats stats;
    const run::FileOutcome full = convertInParts(dir / "in.DT", "/dev/full", 2, stats);
    EXPECT_EQ(full.status, FileStatus::kOutputFailed);
    EXPECT_EQ(full.code, platform::runtimeError(28));  // ENOSPC, as one worker reports it
#endif
}

// The text CAN logs of a large capture are written on several workers: the same bytes, outcome
// and counts of what the log could not carry, both layouts, a cut capture.
TEST_F(FileParts, TextLogsOfACaptureAreThoseOfOneWorker) {
    for (const int variant : {27, 29}) {
        std::string bytes = capture(variant, 40000);
        if (variant == 27) bytes.resize(bytes.size() - 32 * 9 - 3);
        std::filesystem::remove(dir / "in.DT");
        testing_support::writeFileBytes(dir / "in.DT", bytes);
        for (const run::FrameFormat format : {run::FrameFormat::kAsc, run::FrameFormat::kCandump}) {
            SCOPED_TRACE(testing::Message() << variant << " " << run::frameFormatExtension(format));
            run::ExportOptions exportOptions;
            exportOptions.format = format;
            exportOptions.collectStats = true;
            exportOptions.clock = canlog::HeaderClock::kUtc;
            run::FrameExporter oneWorker(exportOptions);
            const run::FileOutcome one = oneWorker.exportFile(dir / "in.DT", dir / "one.log");
            ASSERT_TRUE(one.wroteOutput());
            run::FrameExporter threeWorkers(exportOptions, {}, 3);
            const run::FileOutcome three =
                threeWorkers.exportFile(dir / "in.DT", dir / "three.log");
            EXPECT_EQ(three.status, one.status);
            EXPECT_TRUE(testing_support::readFileBytes(dir / "three.log") ==
                        testing_support::readFileBytes(dir / "one.log"));
            ASSERT_TRUE(one.exportStats && three.exportStats);
            EXPECT_EQ(three.exportStats->channels.frames(), one.exportStats->channels.frames());
            EXPECT_EQ(three.exportStats->firstMicroseconds, one.exportStats->firstMicroseconds);
            EXPECT_EQ(three.exportStats->lastMicroseconds, one.exportStats->lastMicroseconds);
            for (const auto kind : {canlog::LeftOut::kEvent, canlog::LeftOut::kOtherKind}) {
                EXPECT_EQ(three.exportStats->leftOut[kind], one.exportStats->leftOut[kind]);
            }
        }
    }
}

void expectSameCategories(const columns::CategoryColumn& parts,
                          const columns::CategoryColumn& one) {
    EXPECT_EQ(parts.codes, one.codes);
    EXPECT_EQ(parts.categories, one.categories);
}

// The typed columns of the Python module read in parts are those of one reader, codes and the
// order of their texts included: the long table and the frame table, both layouts, a cut file.
TEST_F(FileParts, ColumnsInPartsAreThoseOfOneReader) {
    for (const int variant : {27, 29}) {
        SCOPED_TRACE(variant);
        std::string bytes = capture(variant, 3000);
        bytes.resize(bytes.size() - 32 * 50);
        std::filesystem::remove(dir / "in.DT");
        testing_support::writeFileBytes(dir / "in.DT", bytes);

        sources::CaptureSource source;
        ASSERT_TRUE(source.open(dir / "in.DT").ok());
        columns::LongColumnSink one(decoding());
        run::Converter converter(decoding(), options);
        run::FileStats oneStats;
        const run::FileOutcome oneOutcome = run::readSource(source, converter, one, {}, &oneStats);
        ASSERT_GT(one.columns().rows(), 1500u);
        columns::FrameTable oneFrames;
        ASSERT_TRUE(source.open(dir / "in.DT").ok());
        ASSERT_TRUE(columns::readFrameTable(source, oneFrames).ok());

        for (const unsigned workers : {2u, 3u}) {
            columns::LongColumnSink parts(decoding());
            run::FileStats stats;
            ASSERT_TRUE(source.open(dir / "in.DT").ok());
            const std::filesystem::path input = dir / "in.DT";
            run::CaptureParts cut(input, source.capture());
            const run::FileOutcome outcome = run::readLongColumnsInParts(
                cut, source, decoding(), options, parts, {}, workers, &stats, kTinyParts);
            EXPECT_EQ(outcome.status, oneOutcome.status);
            const columns::LongColumns& a = parts.columns();
            const columns::LongColumns& b = one.columns();
            EXPECT_EQ(a.time.instant, b.time.instant);
            EXPECT_EQ(a.time.elapsed, b.time.elapsed);
            EXPECT_EQ(a.channel, b.channel);
            EXPECT_EQ(a.id, b.id);
            EXPECT_EQ(a.extended, b.extended);
            EXPECT_EQ(a.value, b.value);
            expectSameCategories(a.message, b.message);
            expectSameCategories(a.signal, b.signal);
            expectSameCategories(a.unit, b.unit);
            expectSameCategories(a.description, b.description);
            expectSameFigures(stats, oneStats);

            columns::FrameTable frames;
            EXPECT_EQ(
                run::readFrameTableInParts(cut, source, frames, {}, workers, kTinyParts).status,
                oneOutcome.status);
            EXPECT_EQ(frames.record, oneFrames.record);
            EXPECT_EQ(frames.instant, oneFrames.instant);
            EXPECT_EQ(frames.id, oneFrames.id);
            EXPECT_EQ(frames.channel, oneFrames.channel);
            EXPECT_EQ(frames.length, oneFrames.length);
            EXPECT_EQ(frames.data, oneFrames.data);
        }
    }
}

}  // namespace
