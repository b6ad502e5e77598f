// The all-characters screen's scroll bars take presses without the standard control's
// modal tracking: a press returns at once, a press repeated before the release (the mouse
// hook's thumb drag) is ignored.
#include <windows.h>

#include <utility>

#include "checks.h"
#include "platform/win32/popup_window.h"
#include "platform/win32/scroll_bar.h"
#include "platform/win32/scroll_bar_press.h"
#include "popup/scroll_bar_model.h"

using kz::win32::PartAt;
using kz::win32::ScrollBarPart;

CHECK_CASE(PressPartsFollowTheArrowsAndTheThumb) {
    // 189 pixels, 17-pixel arrows, thumb from 60 to 90.
    using enum ScrollBarPart;
    const std::pair<int, ScrollBarPart> cases[] = {{0, ArrowUp},  {16, ArrowUp},   {17, PageUp},
                                                   {60, Thumb},   {89, Thumb},     {90, PageDown},
                                                   {172, ArrowDown}, {188, ArrowDown}};
    for (const auto& [y, part] : cases) CHECK(PartAt(y, 189, 17, 60, 90) == part);
}

static LPARAM At(int y) { return MAKELPARAM(8, y); }

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
