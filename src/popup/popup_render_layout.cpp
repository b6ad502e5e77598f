#include "popup/popup_render_layout.h"

#include <algorithm>

namespace kz {

namespace {

constexpr int kRowsTop = 1590;
constexpr int kStripHeight = 255;
constexpr int kContentLeft = 240;
constexpr int kContentWidth = 1695;
// The bottom line sits 240 below the lower arrow strip, the window ends one pixel below it.
constexpr int kLineBelowStrip = 240;
constexpr int kWindowBelowLine = 15;

// The pieces that both modes share, at the horizontal offset of the key popup or of the
// all-characters screen.
void PlaceSharedPieces(PopupLayout& layout, int rightCornerLeft, int headingLeft, int firstMarkerLeft) {
    layout.cornerLeft = {0, 0, 255, 30};
    layout.cornerRight = {rightCornerLeft, 0, 255, 30};
    layout.heading = {headingLeft, 120, 1695, 630};
    layout.marker = {TwipsBox{firstMarkerLeft, 960, 840, 300}, TwipsBox{firstMarkerLeft + 600, 960, 840, 300}};
    layout.label = {TwipsBox{firstMarkerLeft + 120, 990, 615, 255},
                    TwipsBox{firstMarkerLeft + 720, 990, 615, 255}};
    layout.topLineY = 0;
}

}  // namespace

PopupLayout KeyPopupLayout(int lastRow) {
    const int rowCount = std::clamp(lastRow, 0, 5) + 1;
    PopupLayout layout;
    layout.width = kKeyPopupWidthTwips;
    PlaceSharedPieces(layout, 1920, 240, 360);
    layout.arrowsShown = true;
    layout.arrowUp = {kContentLeft, 1320, kContentWidth, kStripHeight};
    layout.rowsShown = true;
    layout.rows = {kContentLeft, kRowsTop, kContentWidth, rowCount * kRowHeightTwips};
    layout.arrowDown = {kContentLeft, layout.rows.bottom(), kContentWidth, kStripHeight};
    layout.bottomLineY = layout.arrowDown.top + kLineBelowStrip;
    layout.height = layout.bottomLineY + kWindowBelowLine;
    return layout;
}

PopupLayout AllCharactersLayout() {
    PopupLayout layout;
    layout.width = kAllCharactersWidthTwips;
    layout.height = kAllCharactersHeightTwips;
    PlaceSharedPieces(layout, 4080, 1320, 1440);
    layout.listShown = true;
    layout.list = {360, 1320, 3735, 5245};
    layout.bottomLineY = 6600;
    return layout;
}

PopupLayout LayoutForMode(int mode, int lastRow) {
    return mode == 1 ? KeyPopupLayout(lastRow) : AllCharactersLayout();
}

}  // namespace kz
