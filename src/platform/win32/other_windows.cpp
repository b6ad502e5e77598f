#include "platform/win32/other_windows.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace kz::win32 {
namespace {

HWND Hwnd(platform::WindowHandle window) { return reinterpret_cast<HWND>(window); }

}  // namespace

platform::WindowHandle Win32OtherWindows::find(std::string_view windowClass, std::string_view caption) const {
    return reinterpret_cast<platform::WindowHandle>(
        FindWindowW(Widen(windowClass).c_str(), Widen(caption).c_str()));
}

std::optional<platform::Rect> Win32OtherWindows::screenRect(platform::WindowHandle window) const {
    RECT r{};
    if (window == 0 || !GetWindowRect(Hwnd(window), &r)) return std::nullopt;
    return platform::Rect{r.left, r.top, r.right, r.bottom};
}

void Win32OtherWindows::setVisible(platform::WindowHandle window, bool visible) {
    if (window == 0 || !IsWindow(Hwnd(window))) return;
    ShowWindow(Hwnd(window), visible ? SW_SHOW : SW_HIDE);
    // We hold the foreground while the picker is up, so we may hand it back.
    if (visible) SetForegroundWindow(Hwnd(window));
}

}  // namespace kz::win32
