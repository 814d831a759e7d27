// The frames of an export handed to the writer's thread: every frame in order, however many
// blocks they fill; a failed output ends the adding; frames not written yet are dropped when the
// export is given up.
#include "run/frame_hand_over.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace {

can::Frame numbered(uint64_t place) {
    can::Frame frame;
    frame.place = place;
    frame.canId = static_cast<uint32_t>(place * 7 % 0x7FF);
    frame.data[0] = static_cast<uint8_t>(place);
    return frame;
}

TEST(FrameHandOver, EveryFrameInOrderOverManyBlocks) {
    constexpr size_t kBlock =
        run::FrameHandOver<void (*)(const can::Frame&), bool (*)()>::kBlockFrames;
    for (const size_t count :
         {size_t{0}, size_t{1}, kBlock - 1, kBlock, kBlock + 1, 5 * kBlock + 3}) {
        std::vector<uint64_t> written;
        {
            run::FrameHandOver handOver(
                [&written](const can::Frame& frame) {
                    EXPECT_EQ(frame.canId, frame.place * 7 % 0x7FF);
                    EXPECT_EQ(frame.data[0], static_cast<uint8_t>(frame.place));
                    written.push_back(frame.place);
                },
                [] { return false; });
            for (uint64_t i = 0; i < count; ++i) ASSERT_TRUE(handOver.add(numbered(i)));
            handOver.end(true);
        }
        ASSERT_EQ(written.size(), count);
        for (uint64_t i = 0; i < count; ++i) ASSERT_EQ(written[i], i);
    }
}

TEST(FrameHandOver, AFailedOutputEndsTheAddingAndAGivenUpExportDropsTheRest) {
    constexpr size_t kBlock =
        run::FrameHandOver<void (*)(const can::Frame&), bool (*)()>::kBlockFrames;
    std::atomic<size_t> written{0};
    run::FrameHandOver failing([&written](const can::Frame&) { ++written; },
                               [&written] { return written.load() >= 10; });
    size_t added = 0;
    while (failing.add(numbered(added))) {
        ++added;
        ASSERT_LT(added, 10 * kBlock) << "the failure was never seen";
    }
    failing.end(true);
    EXPECT_GE(written.load(), 10u);

    // Given up: what was not written yet stays unwritten, and the destructor alone ends the thread.
    size_t dropped = 0;
    {
        run::FrameHandOver givenUp([&dropped](const can::Frame&) { ++dropped; },
                                   [] { return false; });
        for (uint64_t i = 0; i < kBlock / 2; ++i) givenUp.add(numbered(i));
        givenUp.end(false);
    }
    EXPECT_EQ(dropped, 0u);
    {
        run::FrameHandOver destroyed([](const can::Frame&) {}, [] { return false; });
        destroyed.add(numbered(1));
    }
}

}  // namespace
