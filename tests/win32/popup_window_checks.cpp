// The popup window never activates: its styles, its answers to activation and erasing,
// and a close request that hides instead of destroying.
#include <windows.h>

#include "checks.h"
#include "platform/win32/popup_window.h"
#include "platform/win32/scroll_bar.h"
#include "popup/scroll_bar_model.h"

using kz::win32::FontCache;
using kz::win32::PopupWindow;

CHECK_CASE(PopupWindowIsANonActivatingTopmostToolWindow) {
    FontCache fonts;
    PopupWindow popup(GetModuleHandleW(nullptr), fonts);
    HWND window = popup.handle();
    CHECK(window != nullptr);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    CHECK((style & WS_POPUP) != 0);
    CHECK((exStyle & WS_EX_TOOLWINDOW) != 0);
    CHECK((exStyle & WS_EX_NOACTIVATE) != 0);
    CHECK((exStyle & WS_EX_TOPMOST) != 0);
    CHECK(!IsWindowVisible(window));
    CHECK_EQ(SendMessageW(window, WM_MOUSEACTIVATE, 0, 0), static_cast<LRESULT>(MA_NOACTIVATE));
    CHECK_EQ(SendMessageW(window, WM_ERASEBKGND, 0, 0), static_cast<LRESULT>(1));
}

CHECK_CASE(PopupWindowShowsWithoutActivationAndTakesTheSizeFromTwips) {
    FontCache fonts;
    PopupWindow popup(GetModuleHandleW(nullptr), fonts);
    HWND window = popup.handle();
    kz::PopupBounds bounds;
    bounds.widthTwips = 2175;
    bounds.heightTwips = 5535;
    bounds.pixels = kz::platform::Rect{100, 50, 245, 419};
    popup.place(bounds);
    popup.show();
    CHECK(IsWindowVisible(window));
    CHECK(GetActiveWindow() != window);
    CHECK(GetForegroundWindow() != window);
    RECT rect{};
    GetWindowRect(window, &rect);
    const int dpi = popup.dpi();
    CHECK_EQ(rect.left, 100L);
    CHECK_EQ(rect.top, 50L);
    CHECK_EQ(static_cast<int>(rect.right - rect.left), kz::platform::TwipsToPixels(2175, dpi));
    CHECK_EQ(static_cast<int>(rect.bottom - rect.top), kz::platform::TwipsToPixels(5535, dpi));
    popup.hide();
    CHECK(!IsWindowVisible(window));
}

CHECK_CASE(CloseRequestHidesInsteadOfDestroying) {
    FontCache fonts;
    PopupWindow popup(GetModuleHandleW(nullptr), fonts);
    int closes = 0;
    popup.setCloseHandler([&] { ++closes; });
    SendMessageW(popup.handle(), WM_CLOSE, 0, 0);
    CHECK_EQ(closes, 1);
    CHECK(IsWindow(popup.handle()));
}

CHECK_CASE(DestroyedWithItsObject) {
    HWND window = nullptr;
    {
        FontCache fonts;
    PopupWindow popup(GetModuleHandleW(nullptr), fonts);
        window = popup.handle();
        CHECK(IsWindow(window));
    }
    CHECK(!IsWindow(window));
}

CHECK_CASE(ScrollBarFollowsItsModelBothWays) {
    FontCache fonts;
    PopupWindow popup(GetModuleHandleW(nullptr), fonts);
    kz::ScrollBarModel model;
    model.setMax(10);
    model.setLargeChange(7);
    int scrolls = 0;
    model.onScroll([&] { ++scrolls; });
    kz::win32::ScrollBar bar(popup.handle(), model, RECT{222, 154, 239, 343});
    popup.addScrollBar(bar);
    CHECK(model.window() == reinterpret_cast<kz::platform::WindowHandle>(bar.handle()));
    CHECK_EQ(model.heightPixels(), 189);

    const auto send = [&](int code) { SendMessageW(popup.handle(), WM_VSCROLL, code, reinterpret_cast<LPARAM>(bar.handle())); };
    send(SB_LINEDOWN);
    CHECK_EQ(model.value(), 1);
    send(SB_PAGEDOWN);
    CHECK_EQ(model.value(), 8);
    send(SB_PAGEDOWN);
    CHECK_EQ(model.value(), 10);  // held at the maximum
    send(SB_TOP);
    CHECK_EQ(model.value(), 0);
    CHECK_EQ(scrolls, 4);

    model.setValue(5);  // the program moves it: the thumb follows on sync
    bar.sync();
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(bar.handle(), SB_CTL, &info);
    CHECK_EQ(info.nPos, 5);
    CHECK_EQ(info.nMin, 0);
    CHECK_EQ(info.nMax, 16);
    CHECK_EQ(static_cast<int>(info.nPage), 7);
    popup.removeScrollBar(bar);
}
