#include "app/layout.h"

#include <gtest/gtest.h>

#include <limits>

namespace app {
namespace {

TEST(Layout, MulDivRoundsHalvesAwayFromZero) {
    EXPECT_EQ(mulDiv(6, 1, 4), 2);    // 1.5
    EXPECT_EQ(mulDiv(5, 1, 4), 1);    // 1.25
    EXPECT_EQ(mulDiv(-6, 1, 4), -2);  // -1.5
    EXPECT_EQ(mulDiv(6, 1, -4), -2);
    EXPECT_EQ(mulDiv(1, 1, 0), -1);
    EXPECT_EQ(mulDiv(std::numeric_limits<int32_t>::max(), 4, 1), -1);
    EXPECT_EQ(mulDiv(std::numeric_limits<int32_t>::max(), 2, 2),
              std::numeric_limits<int32_t>::max());
}

TEST(Layout, BaseUnitsFromTheMappedSquare) {
    // "MS Shell Dlg" 8 pt at 96 dpi: 6 by 13 pixels per base unit.
    const FontScale scale = baseUnitsFromMappedRect(384, 416);
    EXPECT_EQ(scale.bx, 6);
    EXPECT_EQ(scale.by, 13);
    const FontScale odd = baseUnitsFromMappedRect(450, 470);  // 7.03, 14.69
    EXPECT_EQ(odd.bx, 7);
    EXPECT_EQ(odd.by, 15);
}

TEST(Layout, MatchingFontLeavesRectanglesAlone) {
    const FontScale same{6, 13, 6, 13};
    for (const PixelRect rect : {PixelRect{0, 0, 636, 423}, PixelRect{9, 6, 627, 48},
                                 PixelRect{-3, -7, 5, 11}, PixelRect{507, 383, 627, 416}}) {
        EXPECT_EQ(scaleRect(rect, same), rect);
    }
}

TEST(Layout, LargerFontScalesPositionsAndSizesWithRounding) {
    const FontScale larger{4, 8, 5, 10};  // 25 % larger both ways
    EXPECT_EQ(scaleRect({8, 16, 48, 96}, larger), (PixelRect{10, 20, 60, 120}));
    // 3 * 1.25 = 3.75 -> 4; 2 * 1.25 = 2.5 -> 3; 1 * 1.25 -> 1.
    EXPECT_EQ(scaleHorizontal(3, larger), 4);
    EXPECT_EQ(scaleHorizontal(2, larger), 3);
    EXPECT_EQ(scaleVertical(1, larger), 1);
    // Negative coordinates round like positive ones: -5, -3.75 -> -4, -2.5 -> -3.
    EXPECT_EQ(scaleHorizontal(-4, larger), -5);
    EXPECT_EQ(scaleHorizontal(-3, larger), -4);
    EXPECT_EQ(scaleHorizontal(-2, larger), -3);
    const FontScale smaller{8, 16, 6, 12};
    EXPECT_EQ(scaleRect({100, 100, 200, 300}, smaller), (PixelRect{75, 75, 150, 225}));
}

TEST(Layout, UnusableMetricsScaleNothing) {
    for (const FontScale scale : {FontScale{0, 13, 6, 13}, FontScale{6, 0, 6, 13},
                                  FontScale{6, 13, 0, 13}, FontScale{-6, 13, 6, 13}, FontScale{}}) {
        EXPECT_FALSE(canScale(scale));
        EXPECT_EQ(scaleRect({1, 2, 300, 400}, scale), (PixelRect{1, 2, 300, 400}));
    }
}

TEST(Layout, ExtremeCoordinatesStayInRange) {
    const FontScale huge{1, 1, 1000, 1000};
    EXPECT_EQ(scaleHorizontal(std::numeric_limits<int32_t>::max(), huge),
              std::numeric_limits<int32_t>::max());
    EXPECT_EQ(scaleVertical(std::numeric_limits<int32_t>::min(), huge),
              std::numeric_limits<int32_t>::min());
}

}  // namespace
}  // namespace app
