// The all-characters screen's scroll bars take presses without the standard control's
// modal tracking: a press returns at once, a press repeated before the release (the mouse
// hook's thumb drag) is ignored, and a list shorter than its page leaves nothing to scroll.
#include <windows.h>

#include "checks.h"
#include "platform/win32/popup_window.h"
#include "platform/win32/scroll_bar.h"
#include "platform/win32/scroll_bar_press.h"
#include "popup/scroll_bar_model.h"

using kz::win32::PartAt;
using kz::win32::ScrollBarPart;

CHECK_CASE(PressPartsFollowTheArrowsAndTheThumb) {
    // 189 pixels, 17-pixel arrows, thumb from 60 to 90.
    CHECK(PartAt(0, 189, 17, 60, 90) == ScrollBarPart::ArrowUp);
    CHECK(PartAt(16, 189, 17, 60, 90) == ScrollBarPart::ArrowUp);
    CHECK(PartAt(17, 189, 17, 60, 90) == ScrollBarPart::PageUp);
    CHECK(PartAt(60, 189, 17, 60, 90) == ScrollBarPart::Thumb);
    CHECK(PartAt(89, 189, 17, 60, 90) == ScrollBarPart::Thumb);
    CHECK(PartAt(90, 189, 17, 60, 90) == ScrollBarPart::PageDown);
    CHECK(PartAt(172, 189, 17, 60, 90) == ScrollBarPart::ArrowDown);
    CHECK(PartAt(188, 189, 17, 60, 90) == ScrollBarPart::ArrowDown);
}

namespace {

LPARAM At(int y) { return MAKELPARAM(8, y); }

}  // namespace

CHECK_CASE(PressesStepWithoutModalTrackingAndRepeatsWaitForTheRelease) {
    kz::win32::FontCache fonts;
    kz::win32::PopupWindow popup(GetModuleHandleW(nullptr), fonts);
    kz::ScrollBarModel model;
    model.setMax(40);
    model.setLargeChange(7);
    int scrolls = 0;
    model.onScroll([&] { ++scrolls; });
    kz::win32::ScrollBar bar(popup.handle(), model, RECT{222, 154, 239, 343});
    kz::win32::ScrollBarPress press(bar, model);
    HWND window = bar.handle();

    // Were the control's own tracking loop to run, these sends would not come back.
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(185));  // the down arrow
    CHECK_EQ(model.value(), 1);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(185));  // a drag's repeat: ignored
    CHECK_EQ(model.value(), 1);
    SendMessageW(window, WM_LBUTTONUP, 0, At(185));
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(185));
    SendMessageW(window, WM_LBUTTONUP, 0, At(185));
    CHECK_EQ(model.value(), 2);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(150));  // the track below the thumb
    SendMessageW(window, WM_LBUTTONUP, 0, At(150));
    CHECK_EQ(model.value(), 9);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(3));  // the up arrow
    SendMessageW(window, WM_LBUTTONUP, 0, At(3));
    CHECK_EQ(model.value(), 8);
    CHECK_EQ(scrolls, 4);
    CHECK(GetCapture() == nullptr);
    CHECK(GetFocus() != window);

    // A press cut short (the screen closed) is forgotten.
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(185));
    press.reset();
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(185));
    CHECK_EQ(model.value(), 10);
}

CHECK_CASE(AListShorterThanItsPageHasNothingToScroll) {
    kz::win32::FontCache fonts;
    kz::win32::PopupWindow popup(GetModuleHandleW(nullptr), fonts);
    kz::ScrollBarModel model;
    model.setLargeChange(7);
    model.setMax(2 - 7);  // two entries
    kz::win32::ScrollBar bar(popup.handle(), model, RECT{222, 154, 239, 343});
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(bar.handle(), SB_CTL, &info);
    CHECK_EQ(info.nPos, 0);
    CHECK_EQ(info.nMin, 0);
    CHECK_EQ(info.nMax - info.nMin + 1, static_cast<int>(info.nPage));  // the page shows it all
}
