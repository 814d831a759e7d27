#include "sources/frame_walk.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "platform/platform.h"

namespace {

using can::Frame;
using can::FrameKind;

// Hands out a list of frames a few at a time, then ends with a status of its choice.
class ListSource final : public sources::FrameSource {
public:
    ListSource(std::vector<Frame> frames, size_t piece, platform::Status end = {})
        : frames_(std::move(frames)), piece_(piece), end_(std::move(end)) {}
    size_t read(std::span<Frame> out) override {
        size_t count = 0;
        while (count < out.size() && count < piece_ && next_ < frames_.size()) {
            out[count++] = frames_[next_++];
        }
        if (count == 0) ended_ = true;
        return count;
    }
    platform::Status status() const override { return ended_ ? end_ : platform::Status{}; }
    uint64_t bytesRead() const override { return next_ * 10; }
    const sources::TimeOrigin& timeOrigin() const override { return origin_; }
    const sources::SourceCounts& counts() const override { return counts_; }
    std::string_view formatName() const override { return "list"; }

private:
    std::vector<Frame> frames_;
    size_t piece_;
    platform::Status end_;
    size_t next_ = 0;
    bool ended_ = false;
    sources::TimeOrigin origin_;
    sources::SourceCounts counts_;
};

Frame frameOf(FrameKind kind, int32_t channel, uint32_t id, uint64_t place) {
    Frame frame;
    frame.kind = kind;
    frame.channel = channel;
    frame.canId = id;
    frame.place = place;
    return frame;
}

std::vector<Frame> mixedFrames() {
    return {frameOf(FrameKind::kData, 0, 0x100, 1),   frameOf(FrameKind::kData, 1, 0x200, 2),
            frameOf(FrameKind::kEvent, -1, 0, 3),     frameOf(FrameKind::kError, 0, 0x4, 4),
            frameOf(FrameKind::kRemote, 1, 0x100, 5), frameOf(FrameKind::kDamaged, 1, 0, 6),
            frameOf(FrameKind::kData, 3, 0x7FF, 7)};
}

std::vector<uint64_t> placesWalked(const sources::FrameFilter& filter, size_t piece = 2) {
    ListSource source(mixedFrames(), piece);
    sources::FrameWalk walk(source, filter, {});
    std::vector<uint64_t> places;
    EXPECT_TRUE(walk.run([&](const Frame& frame) {
                        places.push_back(frame.place);
                        return true;
                    })
                    .ok());
    return places;
}

using Places = std::vector<uint64_t>;

TEST(FrameWalk, TheFilterKeepsChannelsAndIdentifiersAndOnlyAnUnnarrowedWalkHasEvents) {
    EXPECT_EQ(placesWalked({}), (Places{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(placesWalked({}, 1000), (Places{1, 2, 3, 4, 5, 6, 7}));
    // Channel 2 (CH2): its data, remote and damaged frames; no events, nothing of CH1.
    EXPECT_EQ(placesWalked({{1}, {}}), (Places{2, 5, 6}));
    // Identifiers: error frames carry none, damaged ones are kept for their channel only.
    EXPECT_EQ(placesWalked({{}, {{0x100, 0x1FF}}}), (Places{1, 5, 6}));
    EXPECT_EQ(placesWalked({{0, 3}, {{0x7FF, 0x7FF}}}), (Places{7}));
}

TEST(FrameWalk, CountsEveryFrameBeforeTheFilterAndAddsTheBytesWalked) {
    ListSource source(mixedFrames(), 3);
    const sources::FrameFilter onlyCh1({0}, {});
    std::atomic<uint64_t> bytes{5};
    sources::FrameWalk walk(source, onlyCh1, {nullptr, &bytes});
    size_t handed = 0;
    ASSERT_TRUE(walk.run([&](const Frame&) { return ++handed, true; }).ok());
    EXPECT_EQ(handed, 2u);
    EXPECT_EQ(bytes.load(), 5u + 70u);
    const sources::WalkCounts& counts = walk.counts();
    EXPECT_EQ(counts.events, 1u);
    EXPECT_EQ(counts.of(0).data, 1u);
    EXPECT_EQ(counts.of(0).error, 1u);
    EXPECT_EQ(counts.of(1).data, 1u);
    EXPECT_EQ(counts.of(1).remote, 1u);
    EXPECT_EQ(counts.of(1).damaged, 1u);
    EXPECT_EQ(counts.of(3).data, 1u);
    EXPECT_EQ(counts.of(2).data + counts.of(99).data + counts.of(-1).data, 0u);
}

TEST(FrameWalk, EndsOnAStopRequestAConsumerThatFailsOrTheSourcesFailure) {
    const sources::FrameFilter everything;
    std::atomic<bool> stop{true};
    ListSource stopped(mixedFrames(), 2);
    sources::FrameWalk stoppedWalk(stopped, everything, {&stop, nullptr});
    size_t handed = 0;
    EXPECT_EQ(stoppedWalk.run([&](const Frame&) { return ++handed, true; }).code(),
              platform::kCancelled);
    EXPECT_EQ(handed, 0u);

    ListSource consumed(mixedFrames(), 2);
    sources::FrameWalk consumedWalk(consumed, everything, {});
    EXPECT_TRUE(consumedWalk.run([&](const Frame& frame) { return frame.place < 2; }).ok());
    EXPECT_EQ(consumedWalk.counts().of(1).data, 1u);  // the walk ended at the second frame
    EXPECT_EQ(consumedWalk.counts().of(1).remote, 0u);

    ListSource failing(mixedFrames(), 2,
                       platform::Status::failure(platform::kInvalidData, "bad", {}));
    sources::FrameWalk failingWalk(failing, everything, {});
    handed = 0;
    EXPECT_EQ(failingWalk.run([&](const Frame&) { return ++handed, true; }).code(),
              platform::kInvalidData);
    EXPECT_EQ(handed, 7u);  // the frames before the failure were handed on
}

}  // namespace
