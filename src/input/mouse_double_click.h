#pragma once
// The user's double-click settings as the mouse hook reads them: the per-user values
// "DoubleClickWidth", "DoubleClickHeight" and "DoubleClickSpeed" of "Control Panel\Mouse".
// A missing value (or one that is not text) takes its default; text that is not a number
// counts as 0.
#include <cstdint>

#include "platform/registry.h"

namespace kz {

struct DoubleClickSettings {
    int width = 4;        // pixels either side of the first press
    int height = 4;
    int speedMs = 500;    // the second press comes at most this late
};

DoubleClickSettings ReadDoubleClickSettings(const platform::Registry& registry);

// Whether a press at (x, y) at `now` completes a double click with the press before it.
bool IsDoubleClick(const DoubleClickSettings& settings, int x, int y, std::uint64_t now, int lastX,
                   int lastY, std::uint64_t lastTime);

}  // namespace kz
