#include "run/file_stats.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

sources::ChannelFrames frames(uint64_t data, uint64_t remote = 0, uint64_t damaged = 0) {
    sources::ChannelFrames counts;
    counts.data = data;
    counts.remote = remote;
    counts.damaged = damaged;
    return counts;
}

TEST(ChannelStats, KeepsOnlyTheChannelsMetAndAddsFilesUpByChannel) {
    std::vector<sources::ChannelFrames> walked(65536);  // a walk that met CH1 and CH65536
    walked[0] = frames(3, 0, 1);
    walked[65535] = frames(0, 2);
    run::ChannelStats first;
    first.take(walked);
    EXPECT_EQ(first.met(), (std::vector<int32_t>{0, 65535}));
    EXPECT_EQ(first.framesOf(0), 4u);      // data and frames not read whole
    EXPECT_EQ(first.framesOf(65535), 0u);  // a remote frame is no frame record
    EXPECT_EQ(first.of(65535).remote, 2u);
    EXPECT_EQ(first.framesOf(1), 0u);

    run::ChannelStats second;
    second.take({frames(0), frames(5), frames(0), frames(1)});
    first.add(second);
    EXPECT_EQ(first.met(), (std::vector<int32_t>{0, 1, 3, 65535}));
    EXPECT_EQ(first.beyondTwo(), (std::vector<int32_t>{3, 65535}));
    EXPECT_EQ(first.frames(), 4u + 5u + 1u);
    first.add(second);
    EXPECT_EQ(first.framesOf(1), 10u);
    EXPECT_EQ(first.framesOf(3), 2u);
}

}  // namespace
