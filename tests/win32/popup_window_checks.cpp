// The popup window never activates: its styles, its answers to activation and erasing,
// and a close request that hides instead of destroying.
#include <windows.h>

#include "checks.h"
#include "platform/win32/popup_window.h"

using kz::win32::PopupWindow;

CHECK_CASE(PopupWindowIsANonActivatingTopmostToolWindow) {
    PopupWindow popup(GetModuleHandleW(nullptr));
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
    PopupWindow popup(GetModuleHandleW(nullptr));
    HWND window = popup.handle();
    kz::PopupBounds bounds;
    bounds.widthTwips = 2175;
    bounds.heightTwips = 5535;
    bounds.pixels = kz::PixelRect{100, 50, 245, 419};
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
    PopupWindow popup(GetModuleHandleW(nullptr));
    int closes = 0;
    popup.setCloseHandler([&] { ++closes; });
    SendMessageW(popup.handle(), WM_CLOSE, 0, 0);
    CHECK_EQ(closes, 1);
    CHECK(IsWindow(popup.handle()));
}

CHECK_CASE(DestroyedWithItsObject) {
    HWND window = nullptr;
    {
        PopupWindow popup(GetModuleHandleW(nullptr));
        window = popup.handle();
        CHECK(IsWindow(window));
    }
    CHECK(!IsWindow(window));
}
