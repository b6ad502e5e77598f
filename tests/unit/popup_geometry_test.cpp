// Popup geometry: the font requests, where the popup goes (centred on the monitor holding
// the foreground window) and the scroll bars beside the lists.
#include <gtest/gtest.h>

#include "platform/canvas.h"
#include "popup/popup_placement.h"
#include "popup/scroll_bar_model.h"

namespace kz {
namespace {

// A font's cell is one and a half times its size, halves to even; a point font asks for
// a character height (negative).
TEST(MakeFont, CellHeightIsOneAndAHalfTimesTheSize) {
    const std::pair<int, int> cells[] = {{9, 14}, {11, 16}, {16, 24}, {26, 39}};
    for (const auto& [size, pixels] : cells) {
        EXPECT_EQ(platform::makeFont(size, "Arial", false).heightTwips, pixels * 15) << size;
    }
    EXPECT_EQ(platform::pointFont(9.75, "Arial", true).heightTwips, -195);
}

MonitorInfo Monitor(platform::Rect bounds, bool primary, int dpi = 96) {
    return {.bounds = bounds, .workArea = bounds, .dpi = dpi, .primary = primary};
}

// Centred in twips on the monitor holding most of the foreground window (the primary one
// when it lies on none), at that monitor's DPI, and pulled into the work area where it
// does not fit; without monitor information on a plain 1024 x 768 screen.
TEST(PlacementTest, ThePopupIsCentredOnTheForegroundWindowsMonitor) {
    const MonitorInfo wide = Monitor({0, 0, 1920, 1080}, true);
    MonitorInfo small = Monitor({0, 0, 400, 300}, true);
    small.workArea = {0, 40, 400, 300};  // task bar on top
    struct Case { ScreenLayout screen; platform::Rect pixels; };
    const Case cases[] = {
        {{.monitors = {Monitor({0, 0, 1024, 768}, true)}}, {439, 199, 584, 568}},
        {{}, {439, 199, 584, 568}},
        {{.monitors = {wide, Monitor({1920, 0, 3200, 1024}, false)}, .foregroundWindow = {{1800, 100, 2400, 500}}},
         {1920 + 640 - 73, 512 - 185, 2632, 696}},
        {{.monitors = {wide, Monitor({1920, 0, 3200, 1024}, false)}, .foregroundWindow = {{5000, 5000, 5100, 5100}}},
         {960 - 73, 540 - 185, 1032, 724}},
        {{.monitors = {wide, Monitor({-2560, -200, 0, 1240}, false, 144)}, .foregroundWindow = {{-1000, 0, -500, 400}}},
         {-2560 + 1280 - 109, -200 + 720 - 277, -1171, 797}},
        {{.monitors = {small}}, {200 - 73, 40, 272, 409}},
    };
    for (const Case& c : cases) EXPECT_EQ(PlacePopup(c.screen, 2175, 5535).pixels, c.pixels) << c.pixels.left;
    const PopupBounds b = PlacePopup(cases[0].screen, 2175, 5535);
    EXPECT_EQ(b.leftTwips, 6592);  // 7680 - 1087.5, integer part
    EXPECT_EQ(b.topTwips, 2992);   // 5760 - 2767.5
    EXPECT_EQ(MonitorFor(cases[2].screen, std::nullopt), 0);
}

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
    bar.setMax(-3);  // a maximum below the minimum (four characters, seven rows) keeps it between them
    EXPECT_EQ(bar.value(), 0);
    bar.setValue(-5);
    EXPECT_EQ(bar.value(), -3);
}

}  // namespace
}  // namespace kz
