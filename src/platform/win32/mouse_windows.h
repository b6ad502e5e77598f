#pragma once
// The desktop's windows as the mouse hook asks for them: WindowFromPoint, GetWindowRect
// and PostMessageW.
#include "platform/mouse_windows.h"

namespace kz::win32 {

class Win32MouseWindows final : public platform::MouseWindows {
public:
    platform::WindowHandle windowFromPoint(int x, int y) const override;
    platform::Rect windowRect(platform::WindowHandle window) const override;
    bool belongsToPopup(platform::WindowHandle window) const override;
    void postMessage(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
};

}  // namespace kz::win32
