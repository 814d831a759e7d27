#include "convert/options.h"

#include <gtest/gtest.h>

namespace {

using convert::ConversionOptions;
using convert::ConversionSettings;

TEST(DelimiterEscapes, ResolveTabsBackslashesAndDropTheRest) {
    struct Case {
        std::u16string typed;
        std::u16string resolved;
    };
    const Case cases[] = {
        {u"\\t", u"\t"},
        {u"\\\\", u"\\"},
        {u"\\x", u""},
        {u";", u";"},
        {u"a\\t\\t", u"a\t\t"},
        {u"", u""},
        {u",\\", u","},
        {u"\\\\t", u"\\t"},
        {u"\\T", u""},
        // Only the 15 characters a setting holds count, and nothing after a NUL.
        {u"123456789012345\\t", u"123456789012345"},
        {std::u16string(u"a\0b", 3), u"a"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(convert::resolveDelimiterEscapes(c.typed), c.resolved)
            << std::string(c.typed.begin(), c.typed.end());
    }
}

TEST(ConversionOptions, DefaultsGiveTheUsualColumnsCommaAndAnsiCrLf) {
    ConversionOptions options;
    options.outputPath = "left/over.csv";
    buildConversionOptions(ConversionSettings{}, options);
    EXPECT_EQ(options.channelFilter, 0);
    EXPECT_EQ(options.timestampPreference, 1);
    EXPECT_EQ(options.printFlags, convert::PRINT_CSV | convert::PRINT_CH | convert::PRINT_ID |
                                      convert::PRINT_MSG | convert::PRINT_UNIT |
                                      convert::PRINT_ENUM);
    EXPECT_EQ(options.outputFormat, 3u);
    EXPECT_EQ(options.delimiter, u",");
    EXPECT_TRUE(options.outputPath.empty());
}

TEST(ConversionOptions, ChoicesOutsideTheirRangeFallBack) {
    ConversionSettings settings;
    ConversionOptions options;
    const int32_t lines[][2] = {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {-1, 0}};
    for (const auto& row : lines) {
        settings.signalLine = row[0];
        buildConversionOptions(settings, options);
        EXPECT_EQ(options.channelFilter, row[1]) << row[0];
    }
    const int32_t stamps[][2] = {{0, 0}, {1, 1}, {2, 2}, {7, 1}, {-3, 1}};
    for (const auto& row : stamps) {
        settings.timeStamp = row[0];
        buildConversionOptions(settings, options);
        EXPECT_EQ(options.timestampPreference, row[1]) << row[0];
    }
    settings = ConversionSettings{};
    settings.printCh = settings.printID = settings.printMsg = false;
    settings.printUnit = settings.printEnum = false;
    buildConversionOptions(settings, options);
    EXPECT_EQ(options.printFlags, convert::PRINT_CSV);
    settings.printRaw = true;
    settings.printUnit = true;
    buildConversionOptions(settings, options);
    EXPECT_EQ(options.printFlags, convert::PRINT_CSV | convert::PRINT_RAW | convert::PRINT_UNIT);
}

TEST(ConversionOptions, OutputFormatFollowsTheAdditionalSettingsOnlyWhenOn) {
    struct Case {
        bool additional;
        int32_t code;
        int32_t feed;
        uint32_t format;
    };
    const uint32_t utf8 = convert::CODE_UTF8;
    const uint32_t bom = convert::CODE_BOM;
    const Case cases[] = {
        {false, 2, 1, 3},       {false, 0, 0, 3},  {true, 2, 0, utf8 | bom | 3},
        {true, 1, 1, utf8 | 1}, {true, 0, 2, 2},   {true, 0, 0, 3},
        {true, 3, 9, 3},        {true, -1, -1, 3}, {true, 2, 2, utf8 | bom | 2},
    };
    for (const Case& c : cases) {
        ConversionSettings settings;
        settings.csvAdditional = c.additional;
        settings.csvOutCode = c.code;
        settings.csvLinefeed = c.feed;
        ConversionOptions options;
        buildConversionOptions(settings, options);
        EXPECT_EQ(options.outputFormat, c.format) << c.additional << " " << c.code << " " << c.feed;
    }
}

}  // namespace
