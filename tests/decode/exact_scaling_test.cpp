#include "decode/exact_scaling.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "tables/text_format.h"

namespace {

using decode::exactScalingOf;

std::string printfValue(double value) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%lf", value);
    return buffer;
}

std::string millionthsText(int64_t millionths) {
    char buffer[tables::kValueTextCapacity];
    return std::string(buffer, tables::formatMillionths(buffer, millionths));
}

TEST(ExactScaling, DecimalFactorsAndOffsetsUpToSixDecimals) {
    struct Case {
        double factor;
        double offset;
        bool usable;
        int64_t factorMillionths;
        int64_t offsetMillionths;
    };
    const Case cases[] = {
        {1, 0, true, 1000000, 0},
        {0.1, -40, true, 100000, -40000000},
        {0.25, 0.5, true, 250000, 500000},
        {-0.01, 100, true, -10000, 100000000},
        {0.000001, -0.000001, true, 1, -1},
        {0.3, 0, true, 300000, 0},
        {-0.0, -0.0, true, 0, 0},
        {268435456, -268435456, true, 268435456000000, -268435456000000},
        {0.0000001, 0, false, 0, 0},  // seven decimals
        {1.0 / 3, 0, false, 0, 0},
        {0.1, 1.0 / 3, false, 0, 0},
        {3.0517578125e-5, 0, false, 0, 0},  // a power of two, not a short decimal
        {268435457, 0, false, 0, 0},        // beyond 2^28
        {1, 268435456.5, false, 0, 0},
        {std::numeric_limits<double>::quiet_NaN(), 0, false, 0, 0},
        {1, std::numeric_limits<double>::infinity(), false, 0, 0},
    };
    for (const Case& c : cases) {
        const decode::ExactScaling scaling = exactScalingOf(c.factor, c.offset);
        EXPECT_EQ(scaling.usable, c.usable) << c.factor << " " << c.offset;
        if (!c.usable) continue;
        EXPECT_EQ(scaling.factor, c.factorMillionths) << c.factor;
        EXPECT_EQ(scaling.offset, c.offsetMillionths) << c.offset;
    }
    // The raw values are bounded so that |raw * factor| stays within 2^28.
    const decode::ExactScaling tenth = exactScalingOf(0.1, 0);
    EXPECT_EQ(tenth.rawLimit, 2684354560u);
    int64_t millionths = 0;
    EXPECT_TRUE(decode::scaleUnsigned(tenth, 2684354560u, millionths));
    EXPECT_EQ(millionths, 268435456000000);
    EXPECT_FALSE(decode::scaleUnsigned(tenth, 2684354561u, millionths));
    EXPECT_FALSE(decode::scaleUnsigned(tenth, UINT64_MAX, millionths));
    EXPECT_TRUE(decode::scaleSigned(tenth, -2684354560, millionths));
    EXPECT_EQ(millionths, -268435456000000);
    EXPECT_FALSE(decode::scaleSigned(tenth, -2684354561, millionths));
    EXPECT_FALSE(decode::scaleSigned(tenth, INT64_MIN, millionths));
    EXPECT_FALSE(decode::scaleSigned(exactScalingOf(0.1, 1.0 / 3), 1, millionths));
}

TEST(ExactScaling, MillionthsGiveTheTextOfTheComputedDouble) {
    std::mt19937_64 random(20261210);
    int64_t powers[7] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    // A decimal of up to six decimals and about `digits` significant digits, as a double.
    const auto decimal = [&](int digits) {
        const int decimals = static_cast<int>(random() % 7);
        const auto mantissa =
            static_cast<int64_t>(random() % static_cast<uint64_t>(std::pow(10, digits)));
        const double sign = random() % 4 == 0 ? -1.0 : 1.0;
        return sign * static_cast<double>(mantissa) / static_cast<double>(powers[decimals]);
    };
    int checked = 0;
    for (int round = 0; round < 300000; ++round) {
        const double factor = decimal(1 + static_cast<int>(random() % 9));
        const double offset =
            random() % 3 == 0 ? 0.0 : decimal(1 + static_cast<int>(random() % 12));
        const decode::ExactScaling scaling = exactScalingOf(factor, offset);
        if (!scaling.usable) continue;
        // Raw values anywhere up to the limit, often right at it.
        const uint64_t limit = scaling.rawLimit;
        uint64_t magnitude = random() % 4 == 0 ? limit - random() % 3 : random() % (limit + 1);
        if (magnitude > limit) magnitude = limit;
        magnitude >>= random() % 4 == 0 ? random() % 40 : 0;
        const bool negative = random() % 2 == 0;
        const int64_t raw =
            negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
        int64_t millionths = 0;
        double value = 0;
        if (negative) {
            ASSERT_TRUE(decode::scaleSigned(scaling, raw, millionths));
            value = factor * static_cast<double>(raw) + offset;
        } else {
            ASSERT_TRUE(decode::scaleUnsigned(scaling, magnitude, millionths));
            value = factor * static_cast<double>(magnitude) + offset;
        }
        if (millionths == 0) continue;  // the double's sign decides: never written this way
        ASSERT_EQ(millionthsText(millionths), printfValue(value))
            << factor << " * " << raw << " + " << offset;
        ++checked;
    }
    EXPECT_GT(checked, 100000);
}

}  // namespace
