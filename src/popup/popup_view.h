#pragma once
// What the popup model asks of the window that shows it. The Win32 window and the
// recording view of the tests implement it; both read everything else from the model's
// const interface (PopupList) when asked to draw.
#include "popup/popup_placement.h"

namespace kz {

class PopupView {
public:
    virtual ~PopupView() = default;
    // The rows, the selection, the case markers or the scroll arrows changed: draw them
    // again from the model (`redraw` in mode 1; the lists through the all-characters
    // screen otherwise).
    virtual void redraw() = 0;
    // The controls moved (PopupList::layout() changed): place them again.
    virtual void layoutChanged() = 0;
    // New position or size. A width of 0 comes with hide().
    virtual void place(const PopupBounds& bounds) = 0;
    // Shown without activation; hidden. Called when the width crosses 0.
    virtual void show() = 0;
    virtual void hide() = 0;
    // Above the other topmost windows, no move, no size, no activation.
    virtual void setTopmost() = 0;
};

// The screen as the placement needs it, read when the popup opens.
class ScreenSource {
public:
    virtual ~ScreenSource() = default;
    virtual ScreenLayout screenLayout() const = 0;
};

}  // namespace kz
