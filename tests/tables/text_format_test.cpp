#include "tables/text_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

std::string printfValue(double value) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%lf", value);
    return buffer;
}

TEST(AppendValue, MatchesPrintfFixedSixDecimals) {
    const double samples[] = {0.0,
                              -0.0,
                              3,
                              -0.25,
                              88.5,
                              0.0000005,
                              0.0000015,
                              -0.0000004,
                              1e15,
                              123456789.123456789,
                              1.8446744073709552e19,
                              1e300,
                              -1.7976931348623157e308,
                              5e-324};
    for (double v : samples) {
        std::string out;
        tables::appendValue(out, v);
        EXPECT_EQ(out, printfValue(v)) << v;
    }
    std::mt19937_64 random(7);
    for (int i = 0; i < 100000; ++i) {
        uint64_t bits = random();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        if (!std::isfinite(v)) continue;
        std::string out;
        tables::appendValue(out, v);
        ASSERT_EQ(out, printfValue(v));
    }
}

TEST(AppendValue, MatchesPrintfForScaledSignalValuesAndExactTies) {
    std::mt19937_64 random(11);
    const double factors[] = {1, 0.1, 0.25, 0.01, 0.001, 0.5, 1e-7, 0.0625, 3.0517578125e-5};
    for (int i = 0; i < 200000; ++i) {
        const auto raw = static_cast<int64_t>(random() >> (random() % 64));
        const double factor = factors[random() % std::size(factors)];
        const double v = (random() & 1 ? -1.0 : 1.0) * static_cast<double>(raw) * factor;
        std::string out;
        tables::appendValue(out, v);
        ASSERT_EQ(out, printfValue(v)) << v;
    }
    // Exact ties at the seventh decimal round to the even digit, as printf does.
    for (double v : {0.0078125, 0.0234375, 1.5 / 1048576, 0.0000025, -0.0078125, 4398046511103.75,
                     8796093022207.5, 8796093022208.0}) {
        std::string out;
        tables::appendValue(out, v);
        EXPECT_EQ(out, printfValue(v)) << v;
    }
}

TEST(AppendValue, NonFiniteValuesHaveOneSpellingEverywhere) {
    std::string out;
    tables::appendValue(out, std::numeric_limits<double>::quiet_NaN());
    out += ',';
    tables::appendValue(out, -std::numeric_limits<double>::quiet_NaN());
    out += ',';
    tables::appendValue(out, std::numeric_limits<double>::infinity());
    out += ',';
    tables::appendValue(out, -std::numeric_limits<double>::infinity());
    EXPECT_EQ(out, "nan,nan,inf,-inf");
}

std::string millionthsText(int64_t millionths) {
    char buffer[tables::kValueTextCapacity];
    return std::string(buffer, tables::formatMillionths(buffer, millionths));
}

TEST(FormatMillionths, WholePartPointAndSixDecimals) {
    const std::pair<int64_t, const char*> cases[] = {
        {1, "0.000001"},
        {-1, "-0.000001"},
        {1500000, "1.500000"},
        {-40000000, "-40.000000"},
        {99999999999999, "99999999.999999"},
        {100000000000000, "100000000.000000"},
        {-123456789012345678, "-123456789012.345678"},
        {INT64_MAX, "9223372036854.775807"},
        {INT64_MIN + 1, "-9223372036854.775807"},
    };
    for (const auto& [millionths, text] : cases) EXPECT_EQ(millionthsText(millionths), text);
    std::mt19937_64 random(5);
    for (int i = 0; i < 100000; ++i) {
        const auto millionths =
            static_cast<int64_t>(random() >> (1 + random() % 63)) * (random() % 2 == 0 ? 1 : -1);
        const uint64_t magnitude = millionths < 0 ? 0 - static_cast<uint64_t>(millionths)
                                                  : static_cast<uint64_t>(millionths);
        char fraction[8];
        std::snprintf(fraction, sizeof fraction, "%06u",
                      static_cast<unsigned>(magnitude % 1000000));
        std::string expected = millionths < 0 ? "-" : "";
        expected += std::to_string(magnitude / 1000000);
        expected += '.';
        expected += fraction;
        ASSERT_EQ(millionthsText(millionths), expected);
    }
}

TEST(AppendHex, PadsToTheMinimumAndNeverCuts) {
    auto hex = [](uint32_t v, int digits) {
        std::string out;
        tables::appendHex(out, v, digits);
        return out;
    };
    EXPECT_EQ(hex(0x7A, 3), "07A");
    EXPECT_EQ(hex(0x1234, 7), "0001234");
    EXPECT_EQ(hex(0x18FEF100, 7), "18FEF100");
    EXPECT_EQ(hex(0xFFFFFFFF, 3), "FFFFFFFF");
    EXPECT_EQ(hex(0, 3), "000");
}

TEST(AppendTexts, RawBytesDecimalsAndElapsedTime) {
    std::string out;
    const uint8_t bytes[] = {0x01, 0xA2, 0xFF};
    tables::appendRawData(out, bytes, 3);
    EXPECT_EQ(out, "01 A2 FF");
    out.clear();
    tables::appendRawData(out, bytes, 0);
    EXPECT_EQ(out, "");
    tables::appendDecimal(out, 7, 3);
    out += '|';
    tables::appendDecimal(out, 12345, 2);
    EXPECT_EQ(out, "007|12345");
    out.clear();
    tables::appendElapsed(out, 1234560);
    out += '|';
    tables::appendElapsed(out, 18446744073709551615u);
    EXPECT_EQ(out, "1.234560|18446744073709.551615");
}

}  // namespace
