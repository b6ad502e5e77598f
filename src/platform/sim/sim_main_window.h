#pragma once
#include "platform/desktop.h"

namespace kz::sim {

class SimWorld;
struct SimWindow;

// The main window of a simulated process: a record in the world's window table.
class SimMainWindow final : public platform::MainWindow {
public:
    SimMainWindow(SimWorld& world, platform::WindowHandle handle) : world_(world), handle_(handle) {}
    ~SimMainWindow() override;

    platform::WindowHandle handle() const override;
    void setCaption(std::string_view caption) override;
    std::string caption() const override;
    void setVisible(bool visible) override;
    bool isVisible() const override;
    bool setTopmost(bool topmost) override;
    void setIcon(std::string_view resourceName, bool ownerToo) override;
    void setOuterWidthTwips(int twips) override;
    platform::WindowHandle commandBox() const override;
    std::string commandText() const override;
    void setCommandText(std::string_view text) override;
    void setCommandBoxEnabled(bool enabled) override;
    bool commandBoxEnabled() const override;
    void startTimer(unsigned intervalMs) override;
    void stopTimer() override;
    void destroy() override;
    void runLater(std::function<void()> work) override;

    // For tests: the record behind the window, or null once destroyed.
    const SimWindow* record() const;

private:
    SimWindow* self() const;
    SimWindow* box() const;

    SimWorld& world_;
    platform::WindowHandle handle_;
};

}  // namespace kz::sim
