#pragma once
// Other programs' windows through FindWindowW, GetWindowRect and ShowWindow.
#include "platform/other_windows.h"

namespace kz::win32 {

class Win32OtherWindows final : public platform::OtherWindows {
public:
    platform::WindowHandle find(std::string_view windowClass, std::string_view caption) const override;
    std::optional<platform::Rect> screenRect(platform::WindowHandle window) const override;
    void setVisible(platform::WindowHandle window, bool visible) override;
};

}  // namespace kz::win32
