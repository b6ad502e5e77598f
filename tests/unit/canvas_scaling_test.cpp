// Twips to pixels at the monitor's DPI, and the font requests.
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

// A font's cell is one and a half times its size, halves to even; a point font asks for
// a character height (negative).
TEST(MakeFont, CellHeightIsOneAndAHalfTimesTheSize) {
    const std::pair<int, int> cells[] = {{9, 14}, {11, 16}, {16, 24}, {26, 39}};
    for (const auto& [size, pixels] : cells) {
        EXPECT_EQ(makeFont(size, "Arial", false).heightTwips, pixels * 15) << size;
    }
    EXPECT_EQ(pointFont(9.75, "Arial", true).heightTwips, -195);
}

}  // namespace
}  // namespace kz::platform
