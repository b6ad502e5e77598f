#pragma once
// The popup window's layout: where each picture, label, line and drawing area sits, in
// twips, for the key popup (six or five rows) and for the all-characters screen.
#include <array>

#include "platform/geometry.h"

namespace kz {

using platform::TwipsBox;

inline constexpr int kRowHeightTwips = 615;
inline constexpr int kKeyPopupWidthTwips = 2175;
inline constexpr int kAllCharactersWidthTwips = 4335;
inline constexpr int kAllCharactersHeightTwips = 6615;

struct PopupLayout {
    int width = 0;   // the window, twips
    int height = 0;
    TwipsBox cornerLeft;             // Image1
    TwipsBox cornerRight;            // Image2
    TwipsBox heading;                // Image4
    std::array<TwipsBox, 2> marker;  // Image6(0), Image6(1)
    std::array<TwipsBox, 2> label;   // Label8(0) "abc", Label8(1) "ABC"
    bool arrowsShown = false;        // mode 1 only
    TwipsBox arrowUp;                // scroll(0) / noscroll(0)
    TwipsBox arrowDown;              // scroll(1) / noscroll(1)
    bool rowsShown = false;          // pic1, mode 1
    TwipsBox rows;                   // pic1
    bool listShown = false;          // Pic_List, mode 2
    TwipsBox list;                   // Pic_List
    int topLineY = 0;                // Line1(1)
    int bottomLineY = 0;             // Line1(0)
    int lineRight = 4440;            // both lines start at x 0
};

// The key popup with lastRow + 1 rows (six normally, five while the tutorial is open).
PopupLayout KeyPopupLayout(int lastRow);
// The all-characters screen's window.
PopupLayout AllCharactersLayout();
// Either of the two, by `mode` (1 the key popup; any other mode the all-characters screen).
PopupLayout LayoutForMode(int mode, int lastRow);

}  // namespace kz
