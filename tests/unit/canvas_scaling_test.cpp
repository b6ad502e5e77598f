// Twips to pixels at the monitor's DPI, and the font requests of `makeFont`.
#include <gtest/gtest.h>

#include "platform/canvas.h"

namespace kz::platform {
namespace {

// Fifteen twips are a pixel at 96 dpi; halves go to the even neighbour, as the
// program's integer conversion does, on both sides of zero.
TEST(TwipsToPixels, ScalesWithTheDpiAndRoundsHalvesToEven) {
    struct Case { int twips, dpi, pixels; };
    const Case cases[] = {
        {15, 96, 1},     {5535, 96, 369},   {615, 120, 51},     {1695, 192, 226},  {615, 144, 62},
        {1845, 144, 184}, {5535, 144, 554}, {-615, 144, -62},   {-1845, 144, -184}, {-61500, 96, -4100},
    };
    for (const Case& c : cases) EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << "@" << c.dpi;
    EXPECT_EQ(RoundHalfEven(54.51), 55);
}

TEST(PixelsOf, ConvertsEdgesSoNeighboursStayAdjacent) {
    const Rect upper = PixelsOf({240, 1320, 1695, 255}, 144);
    const Rect lower = PixelsOf({240, 1575, 1695, 15}, 144);
    EXPECT_EQ(upper, (Rect{24, 132, 194, 158}));  // 193.5 and 157.5 go to the even side
    EXPECT_EQ(upper.bottom, lower.top);
}

TEST(MakeFont, HeightIsOneAndAHalfTimesTheSizeRoundedToEven) {
    EXPECT_EQ(makeFont(9, "Arial", false).heightTwips, 14 * 15);
    EXPECT_EQ(makeFont(11, "Arial Black", false).heightTwips, 16 * 15);
    EXPECT_EQ(makeFont(16, "Arial", false).heightTwips, 24 * 15);
    EXPECT_EQ(makeFont(26, "Arial", false).heightTwips, 39 * 15);
    const FontSpec bold = makeFont(9, "Arial Narrow", true);
    EXPECT_EQ(bold.face, "Arial Narrow");
    EXPECT_TRUE(bold.bold);
    // The cell height follows the DPI like every other length.
    EXPECT_EQ(TwipsToPixels(makeFont(26, "Arial", false).heightTwips, 144), 58);  // 58.5
}

TEST(PointFont, IsACharacterHeightInTwips) {
    const FontSpec label = pointFont(9.75, "Arial", true);
    EXPECT_EQ(label.heightTwips, -195);
    EXPECT_EQ(TwipsToPixels(-label.heightTwips, 96), 13);
}

}  // namespace
}  // namespace kz::platform
