#pragma once
// Presses on a scroll bar of the all-characters screen. They come from the mouse hook,
// posted while the application being typed in keeps the focus, and during a thumb drag
// the hook posts a press again at every move. A standard scroll bar answers each press
// with a modal tracking loop of its own (capture, a nested message loop), so a drag would
// start one loop inside another. Here the bar never sees its presses: an arrow steps one
// row, the track beside the thumb steps a page, the thumb itself is left to the hook's
// drag, and presses that arrive before the button comes up are ignored.
#include <windows.h>

#include "platform/win32/scroll_bar.h"
#include "platform/win32/window_subclass.h"
#include "popup/scroll_bar_model.h"

namespace kz::win32 {

// Which part of a vertical bar `y` pixels from its top lies on.
enum class ScrollBarPart { ArrowUp, PageUp, Thumb, PageDown, ArrowDown };

// The part under `y` for a bar `height` pixels high with arrows `arrow` pixels long and
// the thumb from `thumbTop` to `thumbBottom` (pixels from the bar's top).
ScrollBarPart PartAt(int y, int height, int arrow, int thumbTop, int thumbBottom);

class ScrollBarPress {
public:
    ScrollBarPress(ScrollBar& bar, ScrollBarModel& model);
    ~ScrollBarPress();
    ScrollBarPress(const ScrollBarPress&) = delete;
    ScrollBarPress& operator=(const ScrollBarPress&) = delete;

    // Forgets a press whose release never came (the screen closed during a drag).
    void reset() { pressed_ = false; }

private:
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void press(int y);

    ScrollBar& bar_;
    ScrollBarModel& model_;
    bool pressed_ = false;
    WindowSubclass subclass_;
};

}  // namespace kz::win32
