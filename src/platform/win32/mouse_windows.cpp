#include "platform/win32/mouse_windows.h"
#include "platform/win32/dpi.h"

#include <windows.h>

namespace kz::win32 {

namespace {

HWND ToHwnd(platform::WindowHandle window) { return reinterpret_cast<HWND>(window); }

}  // namespace

platform::WindowHandle Win32MouseWindows::windowFromPoint(int x, int y) const {
    return reinterpret_cast<platform::WindowHandle>(WindowFromPoint(POINT{x, y}));
}

platform::Rect Win32MouseWindows::windowRect(platform::WindowHandle window) const {
    RECT rect{};
    if (window == 0 || !GetWindowRect(ToHwnd(window), &rect)) return {};
    return FromRect(rect);
}

void Win32MouseWindows::postMessage(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                    std::intptr_t lParam) {
    if (window != 0) PostMessageW(ToHwnd(window), message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
}

}  // namespace kz::win32
