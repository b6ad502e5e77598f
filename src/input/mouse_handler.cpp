#include "input/mouse_handler.h"

#include <algorithm>

#include "keys/output.h"
#include "popup/all_characters_screen.h"
#include "popup/popup_list.h"
#include "popup/popup_mouse.h"

namespace kz {
namespace {

namespace msg = mouse_message;

constexpr int kVkLeftButton = 1;
constexpr int kVkRightButton = 2;
constexpr int kVkMiddleButton = 4;
constexpr int kWheelRows = 3;
constexpr int kWheelNotch = 120;  // WHEEL_DELTA

bool IsButtonMessage(std::uint32_t message) {
    return message == msg::kLeftDown || message == msg::kLeftUp || message == msg::kRightDown ||
           message == msg::kRightUp || message == msg::kMiddleDown || message == msg::kMiddleUp;
}

}  // namespace

void MouseHandler::install() {
    if (!links_.hooks.mouseHookInstalled()) links_.hooks.installMouseHook(*this);
    state_.leftDown = links_.keyboard.asyncKeyDown(kVkLeftButton);
    state_.middleDown = links_.keyboard.asyncKeyDown(kVkMiddleButton);
    state_.rightDown = links_.keyboard.asyncKeyDown(kVkRightButton);
    // Read once per opening rather than per click: the hook procedure then touches no
    // registry key.
    doubleClick_ = ReadDoubleClickSettings(links_.registry);
    state_.wheelRest = 0;
}

void MouseHandler::remove() {
    if (!links_.hooks.mouseHookInstalled()) return;
    links_.hooks.removeMouseHook();
    state_.captureWindow = 0;
}

bool MouseHandler::handle(const platform::MouseEvent& event) noexcept {
    try {
        return decide(event);
    } catch (...) {
        return false;  // a failing step passes the event on
    }
}

bool MouseHandler::decide(const platform::MouseEvent& event) {
    PopupList& popup = links_.popup;
    const std::uint32_t message = event.message;
    trackButtons(message);
    const int buttons = (state_.leftDown ? kLeftButton : 0) + (state_.rightDown ? kRightButton : 0);

    if (!popup.shown()) {  // hidden by another path since the last event
        popup.closeMouseHook();
        return false;
    }
    const bool drag = message == msg::kMove && state_.leftDown;
    if (!drag && !IsButtonMessage(message) && message != msg::kWheel) return false;

    const platform::WindowHandle target =
        drag ? state_.captureWindow : links_.windows.windowFromPoint(event.x, event.y);
    const platform::Rect rect = links_.windows.windowRect(target);

    if (message == msg::kLeftUp && state_.captureWindow != target) {
        // The button went down in one of our windows and comes up elsewhere: that window
        // still gets its release.
        post(state_.captureWindow, msg::kLeftUp, 0, rect, event.x, event.y);
        state_.captureWindow = 0;
    }

    if (!insidePopup(event.x, event.y) && message != msg::kWheel) {
        if (message != msg::kLeftUp && message != msg::kMove) closePopupFromOutside();
        return false;
    }

    const bool swallow = message != msg::kMove;
    if (message == msg::kWheel) {
        turnWheel(event);
        return swallow;
    }
    // The rectangle reaches a pixel past the window, and another window may lie over it:
    // a click there is that window's own, and nothing is posted to it.
    if (!links_.windows.belongsToPopup(target)) return false;
    if (drag && dragThumb(event, rect, buttons)) return swallow;
    if (message == msg::kLeftDown) state_.captureWindow = target;
    post(target, message, static_cast<std::uintptr_t>(buttons), rect, event.x, event.y);
    if (message == msg::kLeftDown) postDoubleClick(event, target, rect, buttons);
    return swallow;
}

void MouseHandler::trackButtons(std::uint32_t message) {
    switch (message) {
        case msg::kLeftDown: state_.leftDown = true; break;
        case msg::kLeftUp: state_.leftDown = false; break;
        case msg::kRightDown: state_.rightDown = true; break;
        case msg::kRightUp: state_.rightDown = false; break;
        case msg::kMiddleDown: state_.middleDown = true; break;
        case msg::kMiddleUp: state_.middleDown = false; break;
        default: break;
    }
}

// The popup's rectangle in pixels from its place and size in twips, edges included, at
// the DPI the window is drawn at: every pixel of the window is inside.
bool MouseHandler::insidePopup(int x, int y) const {
    const PopupBounds& b = links_.popup.bounds();
    const int left = platform::PixelHolding(b.leftTwips, b.dpi);
    const int top = platform::PixelHolding(b.topTwips, b.dpi);
    const int right = platform::PixelHolding(b.leftTwips + b.widthTwips, b.dpi);
    const int bottom = platform::PixelHolding(b.topTwips + b.heightTwips, b.dpi);
    return left <= x && x <= right && top <= y && y <= bottom;
}

// Dragging with the left button down on either scroll bar of the all-characters screen:
// the thumb follows the pointer, and the bar keeps its button pressed.
bool MouseHandler::dragThumb(const platform::MouseEvent& event, const platform::Rect& rect,
                             int buttons) {
    AllCharacters* screen = links_.screen;
    const platform::WindowHandle capture = state_.captureWindow;
    if (screen == nullptr || capture == 0) return false;
    const PopupBounds& bounds = links_.popup.bounds();
    const int x = platform::PointerTwips(event.x - rect.left, bounds.dpi);
    const int y = platform::PointerTwips(event.y - rect.top, bounds.dpi);
    if (capture == screen->charactersBar().window()) {
        screen->charactersBarMouseMove(kLeftButton, 0, x, y);
    } else if (capture == screen->topBar().window()) {
        screen->topBarMouseMove(kLeftButton, 0, x, y);
    } else {
        return false;
    }
    post(capture, msg::kLeftDown, static_cast<std::uintptr_t>(buttons), rect, event.x, event.y);
    return true;
}

// One arrow step per notch in the key popup; three rows of the list that has the keys in
// the all-characters screen, stopping at either end. A notch is a delta of 120: a precision
// touchpad sends a notch in smaller parts, which add up (a turn the other way starts anew).
void MouseHandler::turnWheel(const platform::MouseEvent& event) {
    const int delta = static_cast<std::int16_t>(event.mouseData >> 16);
    if ((delta < 0) != (state_.wheelRest < 0)) state_.wheelRest = 0;
    state_.wheelRest += delta;
    const int notches = state_.wheelRest / kWheelNotch;
    state_.wheelRest -= notches * kWheelNotch;
    for (int i = 0; i < (notches < 0 ? -notches : notches); ++i) scrollOneNotch(notches < 0);
}

void MouseHandler::scrollOneNotch(bool towardsUser) {
    if (links_.popup.mode() == 1) {
        links_.popupMouse.arrowMouseDown(towardsUser ? 1 : 0);
        return;
    }
    if (links_.popup.mode() != 2 || links_.screen == nullptr) return;
    ScrollBarModel& bar =
        links_.popup.focusList() == 1 ? links_.screen->topBar() : links_.screen->charactersBar();
    int value = towardsUser ? std::min(bar.value() + kWheelRows, bar.max())
                            : std::max(bar.value() - kWheelRows, bar.min());
    value = std::max(value, bar.min());  // a list shorter than its page does not move
    bar.scrollTo(value);
}

void MouseHandler::postDoubleClick(const platform::MouseEvent& event, platform::WindowHandle target,
                                   const platform::Rect& rect, int buttons) {
    if (AllCharacters* screen = links_.screen) {
        if (target == screen->charactersBar().window() || target == screen->topBar().window()) return;
    }
    const std::uint64_t now = links_.clock.milliseconds();
    if (IsDoubleClick(doubleClick_, event.x, event.y, now, state_.lastClickX, state_.lastClickY,
                      state_.lastClickTime)) {
        post(target, msg::kLeftDoubleClick, static_cast<std::uintptr_t>(buttons), rect, event.x, event.y);
    }
    state_.lastClickX = event.x;
    state_.lastClickY = event.y;
    state_.lastClickTime = now;
}

// A button pressed outside: the popup closes as if Escape had been pressed, and the event
// goes on to the application under the pointer.
void MouseHandler::closePopupFromOutside() {
    if (Tutorial* tutorial = links_.tutorial.get()) tutorial->setStep(1, u"");
    links_.popup.setWidth(0);
    ReleaseTriggerKeys(links_.input);
    links_.popup.closeMouseHook();
}

void MouseHandler::post(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                        const platform::Rect& rect, int x, int y) {
    if (window == 0) return;
    links_.windows.postMessage(window, message, wParam, platform::MouseLParam(x - rect.left, y - rect.top));
}

}  // namespace kz
