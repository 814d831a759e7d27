#include "canlog/left_out.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// Every kind has words of its own for a report, and the counts add up by kind.
TEST(LeftOut, EveryKindNamedAndCountedApart) {
    canlog::LeftOutCounts counts;
    std::set<std::string> names;
    for (size_t i = 0; i < static_cast<size_t>(canlog::LeftOut::kCount); ++i) {
        const auto kind = static_cast<canlog::LeftOut>(i);
        const std::string name = canlog::leftOutName(kind);
        EXPECT_NE(name, "other") << i;
        EXPECT_TRUE(names.insert(name).second) << name;
        for (size_t n = 0; n <= i; ++n) counts.add(kind);
    }
    for (size_t i = 0; i < static_cast<size_t>(canlog::LeftOut::kCount); ++i) {
        EXPECT_EQ(counts[static_cast<canlog::LeftOut>(i)], i + 1) << i;
    }
    const uint64_t kinds = static_cast<uint64_t>(canlog::LeftOut::kCount);
    EXPECT_EQ(counts.total(), kinds * (kinds + 1) / 2);
}

}  // namespace
