#pragma once
// Where the popup goes on the screen: centred on the monitor that holds the foreground
// window (the primary monitor when there is one monitor, or no foreground window), or in
// the lower right part of the tutorial window while that is open. A pure function, so the
// window code only applies its answer.
#include <optional>
#include <vector>

#include "keys/tutorial_link.h"

namespace kz {

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;   // exclusive
    int bottom = 0;  // exclusive

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct MonitorInfo {
    PixelRect bounds;    // the whole monitor, virtual-screen pixels
    PixelRect workArea;  // without the task bar
    int twipsPerPixelX = 15;  // at the monitor's DPI (15 at 96 dpi)
    int twipsPerPixelY = 15;
    bool primary = false;
};

struct ScreenLayout {
    std::vector<MonitorInfo> monitors;
    std::optional<PixelRect> foregroundWindow;
    int captionPixels = 0;      // SM_CYCAPTION
    int dialogFramePixels = 0;  // SM_CYDLGFRAME
};

// The answer: the window's rectangle in twips (left and top counted from the virtual
// screen's origin at the chosen monitor's scale) and the same in pixels.
struct PopupBounds {
    int leftTwips = 0;
    int topTwips = 0;
    int widthTwips = 0;
    int heightTwips = 0;
    int twipsPerPixelX = 15;
    int twipsPerPixelY = 15;
    PixelRect pixels;
};

// The rectangle at (left, top) in twips with the pixel rectangle at that scale: positions
// are cut to whole pixels, lengths rounded.
PopupBounds BoundsAt(int leftTwips, int topTwips, int widthTwips, int heightTwips,
                     int twipsPerPixelX, int twipsPerPixelY);

// The monitor that holds most of `window` (the primary one when none does, the first one
// when none is marked primary). -1 only when there is no monitor at all.
int MonitorFor(const ScreenLayout& screen, const std::optional<PixelRect>& window);

// Centred on MonitorFor(foreground window): left := integer part of (monitor width in twips
// / 2 - width / 2), likewise top, then pulled back into the monitor's work area when the
// popup is larger than the space left there.
PopupBounds PlacePopup(const ScreenLayout& screen, int widthTwips, int heightTwips);

// In the tutorial window's lower right part; the caption and frame metrics enter the sums
// as plain numbers of pixels, as the tutorial's layout expects.
PopupBounds PlacePopupInTutorial(const ScreenLayout& screen, const TwipsRect& tutorial,
                                 int widthTwips, int heightTwips);

}  // namespace kz
