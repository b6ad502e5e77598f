#pragma once
// Other programs' windows on the simulated desktop: the world's windows of process 0.
#include "platform/other_windows.h"
#include "platform/sim/sim_world.h"

namespace kz::sim {

class SimOtherWindows final : public platform::OtherWindows {
public:
    explicit SimOtherWindows(SimWorld& world) : world_(world) {}

    platform::WindowHandle find(std::string_view windowClass, std::string_view caption) const override;
    std::optional<platform::Rect> screenRect(platform::WindowHandle window) const override;
    void setVisible(platform::WindowHandle window, bool visible) override;

private:
    SimWorld& world_;
};

}  // namespace kz::sim
