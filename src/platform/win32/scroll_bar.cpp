#include "platform/win32/scroll_bar.h"

#include <algorithm>

#include "platform/handles.h"

namespace kz::win32 {

ScrollBar::ScrollBar(HWND parent, ScrollBarModel& model, const RECT& rect) : model_(model) {
    window_ = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_VERT, rect.left, rect.top,
                              rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                              reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    model_.setWindow(reinterpret_cast<platform::WindowHandle>(window_));
    model_.setHeightPixels(rect.bottom - rect.top);
    sync();
}

ScrollBar::~ScrollBar() {
    model_.setWindow(0);
    if (window_ != nullptr) DestroyWindow(window_);
}

void ScrollBar::sync() {
    if (window_ == nullptr) return;
    // A list shorter than its page (maximum below minimum) has nothing to scroll: the bar
    // shows one position and is disabled, rather than a thumb away from its top.
    const bool scrolls = model_.max() > model_.min();
    const int low = scrolls ? model_.min() : model_.value();
    const int high = scrolls ? model_.max() : model_.value();
    const int page = std::max(model_.largeChange(), 1);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    // The control's last reachable position is nMax - nPage + 1: the model's maximum.
    info.nMin = low;
    info.nMax = high + page - 1;
    info.nPage = static_cast<UINT>(page);
    info.nPos = model_.value();
    SetScrollInfo(window_, SB_CTL, &info, TRUE);
}

void ScrollBar::move(const RECT& rect) {
    if (window_ == nullptr) return;
    MoveWindow(window_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
    model_.setHeightPixels(rect.bottom - rect.top);
}

void ScrollBar::onScroll(WPARAM wParam) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(window_, SB_CTL, &info);
    const int value = model_.value();
    const int page = std::max(model_.largeChange(), 1);
    int wanted = value;
    switch (LOWORD(wParam)) {
        case SB_LINEUP: wanted = value - 1; break;
        case SB_LINEDOWN: wanted = value + 1; break;
        case SB_PAGEUP: wanted = value - page; break;
        case SB_PAGEDOWN: wanted = value + page; break;
        case SB_TOP: wanted = std::min(model_.min(), model_.max()); break;
        case SB_BOTTOM: wanted = std::max(model_.min(), model_.max()); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: wanted = info.nTrackPos; break;
        default: return;  // SB_ENDSCROLL
    }
    model_.scrollTo(wanted);  // the model keeps the value within its range
    sync();
}

}  // namespace kz::win32
