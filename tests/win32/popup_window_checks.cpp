// The popup window never activates: its answers to activation and erasing, and a close
// request that hides instead of destroying. (Its styles, its size in twips at every DPI
// and its showing without activation are checked on the real program by the end-to-end
// scenarios of tests/e2e/test_gesture.py and test_popup_dpi.py.)
#include <windows.h>

#include "checks.h"
#include "platform/win32/popup_window.h"
#include "platform/win32/scroll_bar.h"
#include "popup/scroll_bar_model.h"

using kz::win32::FontCache;
using kz::win32::PopupWindow;

CHECK_CASE(PopupWindowRefusesActivationAndHidesOnCloseUntilItsObjectGoes) {
    HWND window = nullptr;
    {
        FontCache fonts;
        PopupWindow popup(GetModuleHandleW(nullptr), fonts);
        window = popup.handle();
        CHECK(window != nullptr);
        CHECK(!IsWindowVisible(window));
        CHECK_EQ(SendMessageW(window, WM_MOUSEACTIVATE, 0, 0), static_cast<LRESULT>(MA_NOACTIVATE));
        CHECK_EQ(SendMessageW(window, WM_ERASEBKGND, 0, 0), static_cast<LRESULT>(1));
        int closes = 0;
        popup.setCloseHandler([&] { ++closes; });
        SendMessageW(window, WM_CLOSE, 0, 0);
        CHECK_EQ(closes, 1);
        CHECK(IsWindow(window));
    }
    CHECK(!IsWindow(window));  // destroyed with its object
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
    SCROLLINFO info{.cbSize = sizeof(info), .fMask = SIF_ALL};
    GetScrollInfo(bar.handle(), SB_CTL, &info);
    CHECK_EQ(info.nPos, 5);
    CHECK_EQ(info.nMin, 0);
    CHECK_EQ(info.nMax, 16);
    CHECK_EQ(static_cast<int>(info.nPage), 7);
    popup.removeScrollBar(bar);

    // A list shorter than its page (two entries) leaves nothing to scroll: the page shows it all.
    model.setMax(2 - 7);
    bar.sync();
    GetScrollInfo(bar.handle(), SB_CTL, &info);
    CHECK_EQ(info.nPos, 0);
    CHECK_EQ(info.nMin, 0);
    CHECK_EQ(info.nMax - info.nMin + 1, static_cast<int>(info.nPage));
}
