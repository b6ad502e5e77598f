// The scroll bar beside the all-characters screen's lists.
#include <gtest/gtest.h>

#include "popup/scroll_bar_model.h"

namespace kz {
namespace {

TEST(ScrollBarTest, SettingTheValueNotifiesOnlyOnAChangeAndStaysInRange) {
    ScrollBarModel bar;
    int changes = 0, scrolls = 0;
    bar.onChange([&] { ++changes; });
    bar.onScroll([&] { ++scrolls; });
    bar.setMax(10);
    bar.setValue(4);
    bar.setValue(4);
    bar.setValue(99);
    EXPECT_EQ(bar.value(), 10);
    EXPECT_EQ(changes, 2);
    bar.scrollTo(3);
    EXPECT_EQ(scrolls, 1);
    bar.setMax(2);  // the list got shorter
    EXPECT_EQ(bar.value(), 2);
}

TEST(ScrollBarTest, AMaximumBelowTheMinimumKeepsTheValueBetweenThem) {
    ScrollBarModel bar;
    bar.setMax(-3);  // a type with four characters and seven rows
    bar.setValue(0);
    EXPECT_EQ(bar.value(), 0);
    bar.setValue(-5);
    EXPECT_EQ(bar.value(), -3);
}

TEST(ScrollBarTest, ThumbDragGivesTheValueOfThePointerPosition) {
    // 189 pixels high, 0 to 20, seven rows: thumb (157 * 7 / 20) = 54 long.
    EXPECT_EQ(ThumbDragValue(43, 189, 0, 20, 7), 0);   // thumb centred at the top
    EXPECT_EQ(ThumbDragValue(146, 189, 0, 20, 7), 20);  // at the bottom
    EXPECT_EQ(ThumbDragValue(94, 189, 0, 20, 7), 9);
    EXPECT_EQ(ThumbDragValue(20, 189, 0, 20, 7), std::nullopt);   // above the minimum
    EXPECT_EQ(ThumbDragValue(180, 189, 0, 20, 7), std::nullopt);  // beyond the maximum
    EXPECT_EQ(ThumbDragValue(94, 189, 5, 5, 7), std::nullopt);    // no range
    // A short range uses 10.5 for the thumb: (157 * 5 / 10.5) = 74.
    EXPECT_EQ(ThumbDragValue(53, 189, 0, 4, 5), 0);
}

}  // namespace
}  // namespace kz
