#pragma once
// Where the popup goes on the screen: centred on the monitor that holds the foreground
// window (the primary monitor when there is one monitor, or no foreground window), or in
// the lower right part of the tutorial window while that is open. A pure function, so the
// window code only applies its answer.
#include <optional>
#include <vector>

#include "keys/tutorial_link.h"
#include "platform/geometry.h"

namespace kz {

struct MonitorInfo {
    platform::Rect bounds;    // the whole monitor, virtual-screen pixels
    platform::Rect workArea;  // without the task bar
    int dpi = platform::kBaseDpi;
    bool primary = false;
};

struct ScreenLayout {
    std::vector<MonitorInfo> monitors;
    std::optional<platform::Rect> foregroundWindow;
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
    int dpi = platform::kBaseDpi;  // the monitor's, at which the twips become pixels
    platform::Rect pixels;
};

// The rectangle at (left, top) in twips with the pixel rectangle at `dpi`: the corner is the
// pixel that holds it, the size is the window's size at that DPI.
PopupBounds BoundsAt(int leftTwips, int topTwips, int widthTwips, int heightTwips, int dpi);

// The monitor that holds most of `window` (the primary one when none does, the first one
// when none is marked primary). -1 only when there is no monitor at all.
int MonitorFor(const ScreenLayout& screen, const std::optional<platform::Rect>& window);

// Centred on MonitorFor(foreground window): left := integer part of (monitor width in twips
// / 2 - width / 2), likewise top, then pulled back into the monitor's work area when the
// popup is larger than the space left there.
PopupBounds PlacePopup(const ScreenLayout& screen, int widthTwips, int heightTwips);

// In the tutorial window's lower right part; the caption and frame metrics enter the sums
// as plain numbers of pixels, as the tutorial's layout expects.
PopupBounds PlacePopupInTutorial(const ScreenLayout& screen, const platform::TwipsBox& tutorial,
                                 int widthTwips, int heightTwips);

}  // namespace kz
