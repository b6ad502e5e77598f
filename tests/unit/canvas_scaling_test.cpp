// Twips to pixels at the monitor's DPI, and the font requests of `makeFont`.
#include <gtest/gtest.h>

#include "platform/canvas.h"

namespace kz::platform {
namespace {

TEST(TwipsToPixels, FifteenTwipsArePixelAt96Dpi) {
    EXPECT_EQ(TwipsToPixels(15, 96), 1);
    EXPECT_EQ(TwipsToPixels(615, 96), 41);
    EXPECT_EQ(TwipsToPixels(2175, 96), 145);
    EXPECT_EQ(TwipsToPixels(5535, 96), 369);
}

TEST(TwipsToPixels, ScalesWithTheDpi) {
    EXPECT_EQ(TwipsToPixels(615, 120), 51);   // 51.25
    EXPECT_EQ(TwipsToPixels(615, 192), 82);
    EXPECT_EQ(TwipsToPixels(1695, 192), 226);
}

TEST(TwipsToPixels, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(TwipsToPixels(615, 144), 62);       // 61.5
    EXPECT_EQ(TwipsToPixels(3 * 615, 144), 184);  // 184.5
    EXPECT_EQ(TwipsToPixels(5535, 144), 554);     // 553.5
    EXPECT_EQ(TwipsToPixels(-615, 144), -62);     // -61.5
    EXPECT_EQ(TwipsToPixels(-3 * 615, 144), -184);
    EXPECT_EQ(TwipsToPixels(-61500, 96), -4100);
}

TEST(RoundHalfEven, MatchesTheIntegerConversionOfTheProgram) {
    EXPECT_EQ(RoundHalfEven(13.5), 14);
    EXPECT_EQ(RoundHalfEven(54.5), 54);
    EXPECT_EQ(RoundHalfEven(54.51), 55);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
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
