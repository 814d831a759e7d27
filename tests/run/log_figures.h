// What a log's report says, compared between a conversion in parts and one on one worker.
#pragma once

#include <gtest/gtest.h>

#include "run/file_stats.h"

namespace testing_support {

inline void expectSameLogFigures(const run::FileStats& parts, const run::FileStats& one) {
    EXPECT_EQ(parts.lines, one.lines);
    EXPECT_EQ(parts.records, one.records);
    EXPECT_EQ(parts.framesDecoded, one.framesDecoded);
    EXPECT_EQ(parts.firstMicroseconds, one.firstMicroseconds);
    EXPECT_EQ(parts.lastMicroseconds, one.lastMicroseconds);
    EXPECT_EQ(parts.channels.frames(), one.channels.frames());
    EXPECT_EQ(parts.logCounts.logs, 1u);
    EXPECT_EQ(parts.logCounts.format, one.logCounts.format);
    EXPECT_EQ(parts.logCounts.skipped, one.logCounts.skipped);
    EXPECT_EQ(parts.logCounts.unreadable, one.logCounts.unreadable);
    EXPECT_EQ(parts.logCounts.firstUnreadable, one.logCounts.firstUnreadable);
    EXPECT_EQ(parts.logCounts.cutShort, one.logCounts.cutShort);
}

}  // namespace testing_support
