#pragma once
// A standard vertical scroll bar control showing a ScrollBarModel: the model's minimum to
// maximum is the thumb's range and its large change the page. The parent window routes
// its WM_VSCROLL for this bar to onScroll, which turns the user's action into the model's
// scrollTo; after the program changes the model, sync() moves the thumb.
#include <windows.h>

#include "popup/scroll_bar_model.h"

namespace kz::win32 {

class ScrollBar {
public:
    // Created as a child of `parent` at `rect` (client pixels of the parent).
    ScrollBar(HWND parent, ScrollBarModel& model, const RECT& rect);
    ~ScrollBar();
    ScrollBar(const ScrollBar&) = delete;
    ScrollBar& operator=(const ScrollBar&) = delete;

    HWND handle() const { return window_; }
    void sync();
    void move(const RECT& rect);
    // The parent's WM_VSCROLL for this bar, wParam as received.
    void onScroll(WPARAM wParam);

private:
    HWND window_ = nullptr;
    ScrollBarModel& model_;
};

}  // namespace kz::win32
