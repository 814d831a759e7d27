#include "cli/rules/option_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(OptionValues, PeriodsNameListsAndIdentifierRanges) {
    uint64_t period = 0;
    EXPECT_TRUE(cli::parsePeriod("10ms", period));
    EXPECT_EQ(period, 10000u);
    EXPECT_TRUE(cli::parsePeriod("0.5s", period));
    EXPECT_EQ(period, 500000u);
    EXPECT_TRUE(cli::parsePeriod("250us", period));
    EXPECT_EQ(period, 250u);
    EXPECT_TRUE(cli::parsePeriod("2min", period));
    EXPECT_EQ(period, 120000000u);
    EXPECT_TRUE(cli::parsePeriod("24h", period));
    EXPECT_EQ(period, 86400000000u);
    for (const char* wrong : {"10", "ms", "0s", "-1s", "25h", "1H", "1.2.3s", "0.1us", "2days"}) {
        EXPECT_FALSE(cli::parsePeriod(wrong, period)) << wrong;
    }
    std::vector<std::string> names;
    EXPECT_TRUE(cli::parseNameList("Engine*.Rpm,VehicleSpeed", names));
    EXPECT_EQ(names, (std::vector<std::string>{"Engine*.Rpm", "VehicleSpeed"}));
    EXPECT_FALSE(cli::parseNameList("a,,b", names));
    EXPECT_FALSE(cli::parseNameList("a,", names));

    std::vector<can::IdRange> ranges;
    std::string bad;
    ASSERT_TRUE(cli::parseIdList("100-1FF,18fef100,0x7ff", ranges, bad));
    ASSERT_EQ(ranges.size(), 3u);
    EXPECT_TRUE(can::idSelected(ranges, 0x100) && can::idSelected(ranges, 0x1FF));
    EXPECT_TRUE(can::idSelected(ranges, 0x18FEF100) && can::idSelected(ranges, 0x7FF));
    EXPECT_FALSE(can::idSelected(ranges, 0x200) || can::idSelected(ranges, 0xFF));
    for (const char* wrong : {"1FF-100", "xyz", "100-", "20000000", "", "1,,2", "123456789"}) {
        EXPECT_FALSE(cli::parseIdList(wrong, ranges, bad)) << wrong;
    }
    // A list given again adds to what came before; a wrong one adds nothing.
    ASSERT_TRUE(cli::parseIdList("200", ranges, bad));
    EXPECT_EQ(ranges.size(), 4u);
    EXPECT_FALSE(cli::parseIdList("300,xyz", ranges, bad));
    EXPECT_EQ(ranges.size(), 4u);
    EXPECT_EQ(bad, "invalid identifier 'xyz'");
    EXPECT_FALSE(cli::parseIdList("7FF-100", ranges, bad));
    EXPECT_EQ(bad, "the range 7FF-100 runs backwards");
}

}  // namespace
