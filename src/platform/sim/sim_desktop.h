#pragma once
// One simulated process's view of the shared desktop, and its main window.
#include "platform/desktop.h"

namespace kz::sim {

class SimWorld;
class SimProcess;

class SimDesktop final : public platform::Desktop {
public:
    SimDesktop(SimWorld& world, SimProcess& process) : world_(world), process_(process) {}

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
    SimWorld& world_;
    SimProcess& process_;
};

// Sets a window's text as WM_SETTEXT from process `senderId` does (see SimWorld).
bool DeliverText(SimWorld& world, platform::WindowHandle window, std::string_view text, int senderId);
// Removes a window (and a main window's command box); ends the owner when it has no window left.
void CloseWindow(SimWorld& world, platform::WindowHandle window);

}  // namespace kz::sim
