#pragma once
// Top-level windows of other programs, found by class and caption, read, hidden and shown
// again. The language picker uses it for the installer's wizard window, which it covers
// while the user chooses.
#include <optional>
#include <string_view>

#include "platform/canvas.h"
#include "platform/handles.h"

namespace kz::platform {

class OtherWindows {
public:
    virtual ~OtherWindows() = default;
    // A top-level window with exactly this class and caption; 0 when none.
    virtual WindowHandle find(std::string_view windowClass, std::string_view caption) const = 0;
    // Its outer rectangle in screen pixels; none when the window is gone.
    virtual std::optional<Rect> screenRect(WindowHandle window) const = 0;
    // Hides the window, or shows it again and gives it the foreground, as the window the
    // user goes on with. A handle that names no window changes nothing.
    virtual void setVisible(WindowHandle window, bool visible) = 0;
};

}  // namespace kz::platform
