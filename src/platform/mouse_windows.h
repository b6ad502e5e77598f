#pragma once
// What the mouse hook asks of the desktop's windows: the window under a point, a window's
// rectangle, and posting a mouse message to a window (WindowFromPoint, GetWindowRect,
// PostMessage). Posted messages run later, from the message loop, after the hook returned.
#include <cstdint>

#include "platform/geometry.h"
#include "platform/handles.h"

namespace kz::platform {

class MouseWindows {
public:
    virtual ~MouseWindows() = default;
    // The window under the point, 0 when none.
    virtual WindowHandle windowFromPoint(int x, int y) const = 0;
    // The window's rectangle in screen pixels; all zero when the handle names no window.
    virtual Rect windowRect(WindowHandle window) const = 0;
    // The window is this program's popup or one of the popup's children.
    virtual bool belongsToPopup(WindowHandle window) const = 0;
    // PostMessage(window, message, wParam, lParam); a message to no window is lost.
    virtual void postMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam) = 0;
};

// lParam of a mouse message: y in the high word, x in the low word.
constexpr std::intptr_t MouseLParam(int x, int y) {
    return static_cast<std::intptr_t>(static_cast<std::uint32_t>((static_cast<std::uint32_t>(y) << 16) |
                                                                 (static_cast<std::uint32_t>(x) & 0xFFFF)));
}
constexpr int MouseX(std::intptr_t lParam) { return static_cast<std::int16_t>(lParam & 0xFFFF); }
constexpr int MouseY(std::intptr_t lParam) { return static_cast<std::int16_t>((lParam >> 16) & 0xFFFF); }

}  // namespace kz::platform
