#include "sources/capture_source.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/platform.h"
#include "tests/support/loaded_capture.h"
#include "tests/support/test_paths.h"
#include "tools/dtgen/capture_builder.h"

namespace {

using can::FrameKind;
using Kind = sources::TimeOrigin::Kind;

std::vector<can::Frame> framesOf(sources::FrameSource& source, size_t block) {
    std::vector<can::Frame> all;
    std::vector<can::Frame> buffer(block);
    while (const size_t count = source.read(buffer))
        all.insert(all.end(), buffer.begin(), buffer.begin() + count);
    return all;
}

TEST(CaptureSource, EveryHeadRecordInOrderWithItsPlaceAndTimeInNanoseconds) {
    dtgen::CaptureBuilder b(29);
    b.startTime(1700000000, 250);
    b.frame({.channel = 0, .id = 0x123, .data = {1, 2, 3}, .time = 1000});
    b.event({.kind = 5, .time = 1500});
    b.frame({.channel = 1,
             .id = 0x18FEF100,
             .extended = true,
             .data = std::vector<uint8_t>(20, 7),
             .time = 2500});
    b.frame({.channel = 0, .id = 0x7, .data = {9}, .time = 3000, .lengthField = 0});
    testing_support::LoadedCapture capture(b.build(), 2);
    ASSERT_EQ(capture.loadResult(), 0);
    for (const size_t block : {size_t{1}, size_t{3}, size_t{512}}) {
        sources::CaptureSource& source = capture.source();
        EXPECT_EQ(source.timeOrigin().kind, Kind::kDated);
        EXPECT_EQ(source.timeOrigin().startSeconds, 1700000000);
        EXPECT_EQ(source.timeOrigin().startNanoseconds, 250);
        const std::vector<can::Frame> frames = framesOf(source, block);
        ASSERT_EQ(frames.size(), 4u);
        EXPECT_EQ(frames[0].kind, FrameKind::kData);
        EXPECT_EQ(frames[0].time, 1000000u);
        EXPECT_EQ(frames[0].place, 0u);
        EXPECT_EQ(frames[1].kind, FrameKind::kEvent);
        EXPECT_EQ(frames[1].event, 5);
        EXPECT_EQ(frames[1].channel, -1);
        EXPECT_EQ(frames[2].channel, 1);
        EXPECT_TRUE(frames[2].isExtended);
        EXPECT_EQ(frames[2].dataLength, 20);
        EXPECT_EQ(frames[2].place, 2u);
        EXPECT_EQ(frames[3].kind, FrameKind::kDamaged);  // a length of 0 is no frame
        EXPECT_EQ(frames[3].channel, 0);
        EXPECT_EQ(frames[3].place, 4u);  // 3 continues the CAN FD frame
        EXPECT_TRUE(source.status().ok());
        EXPECT_EQ(source.bytesRead(), uint64_t{capture.file().count} * 32);
        EXPECT_EQ(source.counts().records, capture.file().count);
    }
}

TEST(CaptureSource, TheOlderLayoutsModesGiveAClockElapsedTimeOrNoUnit) {
    struct Case {
        int mode;
        Kind kind;
        uint64_t nanoseconds;
    };
    for (const Case& c : {Case{2, Kind::kClock, 100000}, Case{4, Kind::kElapsed, 100000},
                          Case{5, Kind::kElapsed, 10000}, Case{6, Kind::kElapsed, 1000},
                          Case{0, Kind::kNoUnit, 1000}, Case{9, Kind::kNoUnit, 1000}}) {
        dtgen::CaptureBuilder b(27);
        b.timeStampMode(c.mode);
        b.frame({.channel = 1, .id = 0x100, .data = {1}, .time = 25});
        testing_support::LoadedCapture capture(b.build());
        sources::CaptureSource& source = capture.source();
        EXPECT_EQ(source.timeOrigin().kind, c.kind) << c.mode;
        EXPECT_EQ(source.nanosecondsPerCount(), c.nanoseconds) << c.mode;
        const std::vector<can::Frame> frames = framesOf(source, 8);
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_EQ(frames[0].time, 25 * c.nanoseconds) << c.mode;
        EXPECT_FALSE(source.timeOrigin().note.empty());
    }
}

TEST(CaptureSource, OpenFailuresAndCapturesOfNoKnownLayoutOrCutShort) {
    testing_support::ScratchDir dir("capture-source");
    sources::CaptureSource missing;
    EXPECT_EQ(missing.open(dir / "missing.DT").code(), platform::systemError(2));
    testing_support::writeFileBytes(dir / "junk.DT", "not a capture at all");
    sources::CaptureSource junk;
    EXPECT_EQ(junk.open(dir / "junk.DT").code(), platform::kInvalidData);

    monitor::MonitorFile unknown;
    unknown.variant = 31;
    sources::CaptureSource unknownSource(unknown);
    can::Frame frame;
    EXPECT_EQ(unknownSource.read({&frame, 1}), 0u);
    EXPECT_EQ(unknownSource.status().code(), platform::kInvalidData);

    dtgen::CaptureBuilder b(29);
    b.frame({.channel = 0, .id = 0x100, .data = {1}, .time = 1});
    b.frame({.channel = 0, .id = 0x101, .data = {2}, .time = 2});
    b.frame({.channel = 0, .id = 0x102, .data = {3}, .time = 3});
    b.truncate(40);  // the last record and 8 bytes of the one before it
    testing_support::LoadedCapture cut(b.build());
    sources::CaptureSource& source = cut.source();
    EXPECT_EQ(framesOf(source, 4).size(), 1u);
    EXPECT_TRUE(source.counts().cutShort);
    EXPECT_EQ(source.counts().records, cut.file().count);
    EXPECT_EQ(source.counts().recordsClaimed, cut.file().recordsClaimed);
}

}  // namespace
