#include "tables/table_options.h"

#include <gtest/gtest.h>

namespace {

using settings::ConversionSettings;
using tables::ConversionOptions;

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
        EXPECT_EQ(tables::resolveDelimiterEscapes(c.typed), c.resolved)
            << std::string(c.typed.begin(), c.typed.end());
    }
}

TEST(ConversionOptions, DefaultsGiveTheUsualColumnsCommaAndAnsiCrLf) {
    const ConversionOptions options = tables::buildConversionOptions(ConversionSettings{});
    EXPECT_EQ(options.channels, settings::Channels::kAll);
    EXPECT_EQ(options.timeStamps, settings::TimeStamps::kTimeOfDay);
    EXPECT_EQ(options.columns, (settings::Columns{true, true, true, true, true, false}));
    EXPECT_EQ(options.encoding, settings::Encoding::kAnsi);
    EXPECT_EQ(options.lineEnd, settings::LineEnd::kCrLf);
    EXPECT_EQ(options.delimiter, u",");
    EXPECT_TRUE(options.admits(0) && options.admits(1));
}

TEST(ConversionOptions, ChoicesOutsideTheirRangeFallBack) {
    ConversionSettings settings;
    const int32_t lines[][2] = {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {-1, 0}};
    for (const auto& row : lines) {
        settings.channels = static_cast<settings::Channels>(row[0]);
        const ConversionOptions options = tables::buildConversionOptions(settings);
        EXPECT_EQ(static_cast<int32_t>(options.channels), row[1]) << row[0];
        EXPECT_EQ(options.admits(0), row[1] != 2) << row[0];
        EXPECT_EQ(options.admits(1), row[1] != 1) << row[0];
    }
    const int32_t stamps[][2] = {{0, 0}, {1, 1}, {2, 2}, {7, 1}, {-3, 1}};
    for (const auto& row : stamps) {
        settings.timeStamps = static_cast<settings::TimeStamps>(row[0]);
        EXPECT_EQ(static_cast<int32_t>(tables::buildConversionOptions(settings).timeStamps), row[1])
            << row[0];
    }
    settings = ConversionSettings{};
    settings.columns = {false, false, false, false, false, false};
    EXPECT_EQ(tables::buildConversionOptions(settings).columns,
              (settings::Columns{false, false, false, false, false, false}));
    settings.columns.rawData = true;
    settings.columns.unit = true;
    EXPECT_EQ(tables::buildConversionOptions(settings).columns,
              (settings::Columns{false, false, false, true, false, true}));
}

TEST(ConversionOptions, OutputFormatFollowsTheAdditionalSettingsOnlyWhenOn) {
    using settings::Encoding;
    using settings::LineEnd;
    struct Case {
        bool additional;
        int32_t code;
        int32_t feed;
        Encoding encoding;
        LineEnd lineEnd;
    };
    const Case cases[] = {
        {false, 2, 1, Encoding::kAnsi, LineEnd::kCrLf},
        {false, 0, 0, Encoding::kAnsi, LineEnd::kCrLf},
        {true, 2, 0, Encoding::kUtf8Bom, LineEnd::kCrLf},
        {true, 1, 1, Encoding::kUtf8, LineEnd::kLf},
        {true, 0, 2, Encoding::kAnsi, LineEnd::kCr},
        {true, 0, 0, Encoding::kAnsi, LineEnd::kCrLf},
        {true, 3, 9, Encoding::kAnsi, LineEnd::kCrLf},
        {true, -1, -1, Encoding::kAnsi, LineEnd::kCrLf},
        {true, 2, 2, Encoding::kUtf8Bom, LineEnd::kCr},
    };
    for (const Case& c : cases) {
        ConversionSettings settings;
        settings.additionalCsv = c.additional;
        settings.encoding = static_cast<Encoding>(c.code);
        settings.lineEnd = static_cast<LineEnd>(c.feed);
        const ConversionOptions options = tables::buildConversionOptions(settings);
        EXPECT_EQ(options.encoding, c.encoding) << c.additional << " " << c.code << " " << c.feed;
        EXPECT_EQ(options.lineEnd, c.lineEnd) << c.additional << " " << c.code << " " << c.feed;
    }
}

}  // namespace
