#include "platform/sim/sim_mouse_windows.h"

#include <algorithm>

namespace kz::sim {

platform::WindowHandle SimMouseWindows::addWindow(platform::Rect rect, Procedure procedure, bool popup) {
    const platform::WindowHandle handle = next_;
    next_ += 4;
    windows_.emplace(handle, Window{rect, std::move(procedure), popup});
    zOrder_.insert(zOrder_.begin(), handle);
    return handle;
}

void SimMouseWindows::moveWindow(platform::WindowHandle window, platform::Rect rect) {
    if (auto it = windows_.find(window); it != windows_.end()) it->second.rect = rect;
}

void SimMouseWindows::removeWindow(platform::WindowHandle window) {
    windows_.erase(window);
    std::erase(zOrder_, window);
}

platform::WindowHandle SimMouseWindows::windowFromPoint(int x, int y) const {
    for (platform::WindowHandle handle : zOrder_) {
        const platform::Rect& r = windows_.at(handle).rect;
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return handle;
    }
    return 0;
}

platform::Rect SimMouseWindows::windowRect(platform::WindowHandle window) const {
    const auto it = windows_.find(window);
    return it == windows_.end() ? platform::Rect{} : it->second.rect;
}

bool SimMouseWindows::belongsToPopup(platform::WindowHandle window) const {
    const auto it = windows_.find(window);
    return it != windows_.end() && it->second.popup;
}

void SimMouseWindows::postMessage(platform::WindowHandle window, std::uint32_t message,
                                  std::uintptr_t wParam, std::intptr_t lParam) {
    if (window == 0) return;
    const PostedMessage posted{window, message, wParam, lParam};
    log_.push_back(posted);
    queue_.push_back(posted);
}

void SimMouseWindows::runMessages() {
    while (!queue_.empty()) {
        const PostedMessage next = queue_.front();
        queue_.pop_front();
        const auto it = windows_.find(next.window);
        if (it != windows_.end() && it->second.procedure) {
            const Procedure procedure = it->second.procedure;  // it may remove its window
            procedure(next);
        }
    }
}

}  // namespace kz::sim
