// Where the popup goes: centred on the monitor holding the foreground window.
#include <gtest/gtest.h>

#include "popup/popup_placement.h"

namespace kz {
namespace {

MonitorInfo Monitor(platform::Rect bounds, bool primary, int dpi = 96) {
    return {.bounds = bounds, .workArea = bounds, .dpi = dpi, .primary = primary};
}

TEST(PlacementTest, OneScreenCentresThePopupInTwips) {
    const ScreenLayout screen{.monitors = {Monitor({0, 0, 1024, 768}, true)}};
    const PopupBounds b = PlacePopup(screen, 2175, 5535);
    EXPECT_EQ(b.leftTwips, 6592);  // 7680 - 1087.5, integer part
    EXPECT_EQ(b.topTwips, 2992);   // 5760 - 2767.5
    EXPECT_EQ(b.pixels, (platform::Rect{439, 199, 584, 568}));
}

TEST(PlacementTest, TheMonitorHoldingMostOfTheForegroundWindowIsChosen) {
    ScreenLayout screen{.monitors = {Monitor({0, 0, 1920, 1080}, true),
                                     Monitor({1920, 0, 3200, 1024}, false)}};
    screen.foregroundWindow = platform::Rect{1800, 100, 2400, 500};  // mostly on the second
    const PopupBounds b = PlacePopup(screen, 2175, 5535);
    EXPECT_EQ(b.pixels.left, 1920 + 640 - 73);
    EXPECT_EQ(b.pixels.top, 512 - 185);

    screen.foregroundWindow = platform::Rect{5000, 5000, 5100, 5100};  // on no monitor
    EXPECT_EQ(PlacePopup(screen, 2175, 5535).pixels.left, 960 - 73);
    screen.foregroundWindow.reset();
    EXPECT_EQ(MonitorFor(screen, screen.foregroundWindow), 0);
}

TEST(PlacementTest, MonitorsLeftOfOrAboveThePrimaryAndOtherDpis) {
    ScreenLayout screen{.monitors = {Monitor({0, 0, 1920, 1080}, true),
                                     Monitor({-2560, -200, 0, 1240}, false, 144)}};
    screen.foregroundWindow = platform::Rect{-1000, 0, -500, 400};
    const PopupBounds b = PlacePopup(screen, 2175, 5535);
    EXPECT_EQ(b.dpi, 144);
    EXPECT_EQ(b.pixels.width(), 218);
    EXPECT_EQ(b.pixels.height(), 554);
    EXPECT_EQ(b.pixels.left, -2560 + 1280 - 109);
    EXPECT_EQ(b.pixels.top, -200 + 720 - 277);
}

TEST(PlacementTest, APopupLargerThanTheFreeSpaceIsPulledIntoTheWorkArea) {
    MonitorInfo small = Monitor({0, 0, 400, 300}, true);
    small.workArea = {0, 40, 400, 300};  // task bar on top
    const PopupBounds b = PlacePopup({.monitors = {small}}, 2175, 5535);
    EXPECT_EQ(b.pixels.top, 40);
    EXPECT_EQ(b.pixels.left, 200 - 73);
}

TEST(PlacementTest, NoMonitorInformationFallsBackToAPlainScreen) {
    const PopupBounds b = PlacePopup({}, 2175, 5535);
    EXPECT_EQ(b.leftTwips, 6592);
}

}  // namespace
}  // namespace kz
