#include "platform/sim/sim_other_windows.h"

namespace kz::sim {

platform::WindowHandle SimOtherWindows::find(std::string_view windowClass, std::string_view caption) const {
    for (const platform::WindowHandle handle : world_.allWindows()) {
        const SimWindow* window = world_.window(handle);
        if (window->className == windowClass && window->text == caption) return handle;
    }
    return 0;
}

std::optional<platform::Rect> SimOtherWindows::screenRect(platform::WindowHandle window) const {
    const SimWindow* found = world_.window(window);
    if (found == nullptr) return std::nullopt;
    return found->screenRect;
}

void SimOtherWindows::setVisible(platform::WindowHandle window, bool visible) {
    if (SimWindow* found = world_.window(window)) found->visible = visible;
}

}  // namespace kz::sim
