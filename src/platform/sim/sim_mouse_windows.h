#pragma once
// The windows of the simulated desktop as the mouse sees them: rectangles in z-order and
// a queue of posted messages that run when the test lets the message loop turn. A window
// may have a procedure; messages to a window without one are only logged.
#include <deque>
#include <functional>
#include <map>
#include <vector>

#include "platform/mouse_windows.h"

namespace kz::sim {

struct PostedMessage {
    platform::WindowHandle window = 0;
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    friend bool operator==(const PostedMessage&, const PostedMessage&) = default;
};

class SimMouseWindows final : public platform::MouseWindows {
public:
    using Procedure = std::function<void(const PostedMessage&)>;

    // Adds a window on top of the others; `popup` marks the program's popup and its children.
    platform::WindowHandle addWindow(platform::Rect rect, Procedure procedure = {}, bool popup = false);
    void moveWindow(platform::WindowHandle window, platform::Rect rect);
    void removeWindow(platform::WindowHandle window);

    platform::WindowHandle windowFromPoint(int x, int y) const override;
    platform::Rect windowRect(platform::WindowHandle window) const override;
    bool belongsToPopup(platform::WindowHandle window) const override;
    void postMessage(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;

    // Runs the posted messages, also those posted meanwhile, in order.
    void runMessages();
    const std::vector<PostedMessage>& posted() const { return log_; }
    void clearLog() { log_.clear(); }

private:
    struct Window {
        platform::Rect rect;
        Procedure procedure;
        bool popup = false;
    };

    std::map<platform::WindowHandle, Window> windows_;
    std::vector<platform::WindowHandle> zOrder_;  // front first
    platform::WindowHandle next_ = 0x8000;
    std::deque<PostedMessage> queue_;
    std::vector<PostedMessage> log_;
};

}  // namespace kz::sim
