#include "platform/win32/scroll_bar_press.h"

#include <commctrl.h>

#include <algorithm>

namespace kz::win32 {

namespace {

struct BarGeometry {
    int height = 0;
    int arrow = 0;
    int thumbTop = 0;
    int thumbBottom = 0;
};

BarGeometry MeasureBar(HWND bar) {
    RECT client{};
    GetClientRect(bar, &client);
    BarGeometry g{.height = client.bottom, .arrow = std::min<int>(client.right, client.bottom / 2)};
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    if (GetScrollBarInfo(bar, OBJID_CLIENT, &info)) {
        g.arrow = info.dxyLineButton;
        g.thumbTop = info.xyThumbTop;
        g.thumbBottom = info.xyThumbBottom;
    } else {
        // Without the system's answer the middle of the track counts as the thumb.
        g.thumbTop = g.thumbBottom = client.bottom / 2;
    }
    return g;
}

}  // namespace

ScrollBarPart PartAt(int y, int height, int arrow, int thumbTop, int thumbBottom) {
    if (y < arrow) return ScrollBarPart::ArrowUp;
    if (y >= height - arrow) return ScrollBarPart::ArrowDown;
    if (y < thumbTop) return ScrollBarPart::PageUp;
    if (y >= thumbBottom) return ScrollBarPart::PageDown;
    return ScrollBarPart::Thumb;
}

ScrollBarPress::ScrollBarPress(ScrollBar& bar, ScrollBarModel& model) : bar_(bar), model_(model) {
    subclass_.attach(bar_.handle(), [this](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        return handle(window, message, wParam, lParam);
    });
}

ScrollBarPress::~ScrollBarPress() = default;

LRESULT ScrollBarPress::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (!pressed_) {
                pressed_ = true;
                press(static_cast<short>(HIWORD(lParam)));
            }
            return 0;
        case WM_LBUTTONUP: pressed_ = false; return 0;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP: return 0;  // no context menu, no focus
        default: return DefSubclassProc(window, message, wParam, lParam);
    }
}

void ScrollBarPress::press(int y) {
    const BarGeometry g = MeasureBar(bar_.handle());
    const int value = model_.value();
    const int page = std::max(model_.largeChange(), 1);
    switch (PartAt(y, g.height, g.arrow, g.thumbTop, g.thumbBottom)) {
        case ScrollBarPart::ArrowUp: model_.scrollTo(value - 1); break;
        case ScrollBarPart::ArrowDown: model_.scrollTo(value + 1); break;
        case ScrollBarPart::PageUp: model_.scrollTo(value - page); break;
        case ScrollBarPart::PageDown: model_.scrollTo(value + page); break;
        case ScrollBarPart::Thumb: return;  // the hook's drag moves it
    }
    bar_.sync();
}

}  // namespace kz::win32
