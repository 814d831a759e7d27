#include "run/frame_export.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "platform/platform.h"
#include "sources/capture_source.h"
#include "tests/support/test_paths.h"
#include "tools/dtgen/capture_builder.h"

namespace {

using testing_support::readFileBytes;
using testing_support::writeFileBytes;

// A variant-29 capture: frames on both channels, standard and extended, one of CAN FD length,
// and a bus event.
dtgen::CaptureBuilder mixedCapture() {
    dtgen::CaptureBuilder b(29);
    b.startTime(1700000000, 0);
    b.frame({.channel = 0, .id = 0x100, .extended = false, .data = {0x01}, .time = 10});
    b.frame({.channel = 1, .id = 0x100, .extended = false, .data = {0x02}, .time = 20});
    b.event({.kind = 5, .time = 25});
    b.frame({.channel = 1,
             .id = 0x18FEF100,
             .extended = true,
             .data = std::vector<uint8_t>(21, 0xAB),
             .time = 30});
    b.frame({.channel = 0, .id = 0x300, .extended = false, .data = {0x03, 0x04}, .time = 40});
    return b;
}

class FrameExport : public ::testing::Test {
protected:
    void load(const dtgen::CaptureBuilder& builder, uint32_t blockRecords = 0) {
        const std::string bytes = builder.build();
        capture.blockRecords = blockRecords;
        ASSERT_EQ(monitor::loadMonitorBytes(capture, reinterpret_cast<const uint8_t*>(bytes.data()),
                                            bytes.size()),
                  0);
    }
    run::FileOutcome exportNow(const run::ExportOptions& options,
                               const sources::WalkControl& control = {}) {
        run::FrameExporter exporter(options, control);
        sources::CaptureSource source(capture);
        return exporter.exportSource(source, output);
    }
    std::string candump(run::ExportOptions options) {
        options.format = run::FrameFormat::kCandump;
        EXPECT_TRUE(exportNow(options).converted());
        return readFileBytes(output);
    }

    testing_support::ScratchDir dir{"frame-export"};
    std::filesystem::path output = dir / "out.log";
    monitor::MonitorFile capture;
};

TEST_F(FrameExport, ChannelsAndIdentifiersSelectAsInConvert) {
    load(mixedCapture());
    std::string fdData;  // 21 bytes, then 3 zero bytes up to the CAN FD length 24
    for (int i = 0; i < 24; ++i) fdData += i < 21 ? "AB" : "00";
    EXPECT_EQ(candump({}),
              "(1700000000.000010) can0 100#01\n"
              "(1700000000.000020) can1 100#02\n"
              "(1700000000.000030) can1 18FEF100##0" +
                  fdData +
                  "\n"
                  "(1700000000.000040) can0 300#0304\n");

    run::ExportOptions ch2;
    ch2.channels = settings::Channels::kCh2;
    ch2.channelNames[1] = "vcan1";
    EXPECT_EQ(candump(ch2).find("can0"), std::string::npos);
    EXPECT_EQ(candump(ch2).substr(0, 33), "(1700000000.000020) vcan1 100#02\n");

    run::ExportOptions ids;
    ids.ids = {{0x100, 0x1FF}, {0x18FEF100, 0x18FEF100}};
    const std::string selected = candump(ids);
    EXPECT_EQ(selected.find("300#"), std::string::npos);
    EXPECT_NE(selected.find("18FEF100##"), std::string::npos);
    EXPECT_NE(selected.find("can0 100#01"), std::string::npos);
}

TEST_F(FrameExport, EventsOnlyInAnExportOfEverythingAndTheSameOverAnyBlockSize) {
    load(mixedCapture());
    run::ExportOptions asc;
    ASSERT_TRUE(exportNow(asc).converted());
    const std::string whole = readFileBytes(output);
    EXPECT_NE(whole.find("capture event of kind 5 at record 2"), std::string::npos);

    // The walk in blocks of 2 records moves heads with their continuation records along.
    load(mixedCapture(), 2);
    ASSERT_TRUE(exportNow(asc).converted());
    EXPECT_EQ(readFileBytes(output), whole);

    asc.channels = settings::Channels::kCh1;
    ASSERT_TRUE(exportNow(asc).converted());
    EXPECT_EQ(readFileBytes(output).find("capture event"), std::string::npos);
}

TEST_F(FrameExport, CutShortCaptureKeepsItsWholeRecords) {
    dtgen::CaptureBuilder b = mixedCapture();
    b.truncate(40);  // the last record and 8 bytes of the one before it
    load(b);
    ASSERT_TRUE(capture.cutShort);
    run::ExportOptions options;
    options.format = run::FrameFormat::kCandump;
    const run::FileOutcome outcome = exportNow(options);
    EXPECT_EQ(outcome.status, run::FileStatus::kCutShort);
    EXPECT_EQ(outcome.recordsPresent, capture.count);
    EXPECT_EQ(outcome.recordsClaimed, capture.recordsClaimed);
    const std::string text = readFileBytes(output);
    EXPECT_NE(text.find("can1 100#02"), std::string::npos);
    EXPECT_EQ(text.find("300#"), std::string::npos);
}

TEST_F(FrameExport, FailuresAndStopsLeaveTheOldOutputAndNoNewFile) {
    writeFileBytes(output, "old");
    // A capture without a known record layout.
    const run::FileOutcome unknown = exportNow({});
    EXPECT_EQ(unknown.status, run::FileStatus::kLoadFailed);
    EXPECT_EQ(unknown.code, platform::kInvalidData);

    load(mixedCapture());
    std::atomic<bool> abort{true};
    const run::FileOutcome stopped = exportNow({}, {&abort, nullptr});
    EXPECT_EQ(stopped.status, run::FileStatus::kStopped);
    EXPECT_EQ(stopped.code, platform::kCancelled);

    run::FrameExporter exporter({});
    const run::FileOutcome missing = exporter.exportFile(dir / "missing.DT", output);
    EXPECT_EQ(missing.status, run::FileStatus::kLoadFailed);
    EXPECT_EQ(missing.code, platform::systemError(2));

    EXPECT_EQ(readFileBytes(output), "old");
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1u);
}

TEST_F(FrameExport, BatchNamesOutputsByFormatAndCountsProgress) {
    const std::string bytes = mixedCapture().build();
    writeFileBytes(dir / "a.DT", bytes);
    writeFileBytes(dir / "b.DT", bytes);
    std::atomic<bool> stop{false};
    std::atomic<uint64_t> walked{0};
    run::ExportOptions options;
    options.format = run::FrameFormat::kBlf;
    const auto results = run::exportBatch({dir / "a.DT", dir / "b.DT"}, options, {}, 2, stop, {},
                                          {nullptr, &walked});
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[0].output, dir / "a.blf");
    EXPECT_TRUE(results[1].outcome.converted());
    EXPECT_EQ(readFileBytes(dir / "b.blf").substr(0, 4), "LOGG");
    EXPECT_EQ(walked.load(), 2 * 6 * 32u);  // six records each
}

}  // namespace
