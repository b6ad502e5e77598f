#include "platform/win32/mouse_windows.h"
#include "platform/win32/dpi.h"
#include "platform/win32/popup_window.h"

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

bool Win32MouseWindows::belongsToPopup(platform::WindowHandle window) const {
    const HWND root = window != 0 ? GetAncestor(ToHwnd(window), GA_ROOT) : nullptr;
    if (root == nullptr) return false;
    DWORD process = 0;
    GetWindowThreadProcessId(root, &process);
    wchar_t className[64] = {};
    return process == GetCurrentProcessId() && GetClassNameW(root, className, 64) > 0 &&
           lstrcmpW(className, kPopupClassName) == 0;
}

void Win32MouseWindows::postMessage(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                    std::intptr_t lParam) {
    if (window != 0) PostMessageW(ToHwnd(window), message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
}

}  // namespace kz::win32
