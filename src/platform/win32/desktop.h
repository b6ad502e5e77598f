#pragma once
#include <windows.h>

#include "platform/desktop.h"

namespace kz::win32 {

class Win32Desktop final : public platform::Desktop {
public:
    explicit Win32Desktop(HINSTANCE instance) : instance_(instance) {}

    std::unique_ptr<platform::MainWindow> createMainWindow(
        platform::MainWindowListener& listener) override;
    platform::WindowHandle findMainWindow(std::string_view caption) const override;
    platform::WindowHandle findWindowByCaption(std::string_view caption) const override;
    std::vector<platform::WindowHandle> mainWindows() const override;
    std::string className(platform::WindowHandle window) const override;
    std::string windowText(platform::WindowHandle window) const override;
    bool sendText(platform::WindowHandle window, std::string_view text) override;
    bool sendCommand(platform::WindowHandle mainWindow, std::string_view text) override;
    platform::ScreenMetrics screen() const override;

private:
    HINSTANCE instance_;
};

}  // namespace kz::win32
