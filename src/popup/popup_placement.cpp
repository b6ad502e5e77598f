#include "popup/popup_placement.h"

#include <algorithm>
#include <cmath>

namespace kz {
namespace {

long long OverlapArea(const platform::Rect& a, const platform::Rect& b) {
    const long long w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const long long h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return (w > 0 && h > 0) ? w * h : 0;
}

int PrimaryMonitor(const ScreenLayout& screen) {
    for (std::size_t i = 0; i < screen.monitors.size(); ++i) {
        if (screen.monitors[i].primary) return static_cast<int>(i);
    }
    return screen.monitors.empty() ? -1 : 0;
}

int PixelsFromTwips(int twips, int twipsPerPixel) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}

// Shifts [start, start + length) into [low, high) where it fits; a longer span keeps its
// start at `low`.
int PullInto(int start, int length, int low, int high) {
    if (start + length > high) start = high - length;
    return std::max(start, low);
}

PopupBounds Bounds(const MonitorInfo& monitor, int leftTwips, int topTwips, int widthTwips,
                   int heightTwips) {
    return BoundsAt(leftTwips, topTwips, widthTwips, heightTwips, monitor.twipsPerPixelX,
                    monitor.twipsPerPixelY);
}

const MonitorInfo& FallbackMonitor() {
    static const MonitorInfo kMonitor{.bounds = {0, 0, 1024, 768},
                                      .workArea = {0, 0, 1024, 768},
                                      .primary = true};
    return kMonitor;
}

}  // namespace

PopupBounds BoundsAt(int leftTwips, int topTwips, int widthTwips, int heightTwips,
                     int twipsPerPixelX, int twipsPerPixelY) {
    twipsPerPixelX = std::max(twipsPerPixelX, 1);
    twipsPerPixelY = std::max(twipsPerPixelY, 1);
    PopupBounds bounds{.leftTwips = leftTwips,
                       .topTwips = topTwips,
                       .widthTwips = widthTwips,
                       .heightTwips = heightTwips,
                       .twipsPerPixelX = twipsPerPixelX,
                       .twipsPerPixelY = twipsPerPixelY,
                       .pixels = {}};
    const int left =
        static_cast<int>(std::floor(static_cast<double>(leftTwips) / twipsPerPixelX));
    const int top = static_cast<int>(std::floor(static_cast<double>(topTwips) / twipsPerPixelY));
    bounds.pixels = {left, top, left + PixelsFromTwips(widthTwips, twipsPerPixelX),
                     top + PixelsFromTwips(heightTwips, twipsPerPixelY)};
    return bounds;
}

int MonitorFor(const ScreenLayout& screen, const std::optional<platform::Rect>& window) {
    int best = -1;
    long long bestArea = 0;
    if (window) {
        for (std::size_t i = 0; i < screen.monitors.size(); ++i) {
            const long long area = OverlapArea(screen.monitors[i].bounds, *window);
            if (area > bestArea) {
                bestArea = area;
                best = static_cast<int>(i);
            }
        }
    }
    return best >= 0 ? best : PrimaryMonitor(screen);
}

PopupBounds PlacePopup(const ScreenLayout& screen, int widthTwips, int heightTwips) {
    const int index = MonitorFor(screen, screen.foregroundWindow);
    const MonitorInfo& monitor = index >= 0 ? screen.monitors[index] : FallbackMonitor();
    const int tx = monitor.twipsPerPixelX;
    const int ty = monitor.twipsPerPixelY;
    // Centred on the monitor, counted from its corner, as the single-screen layout does.
    const int leftInMonitor = static_cast<int>(
        std::floor(monitor.bounds.width() * static_cast<double>(tx) / 2 - widthTwips / 2.0));
    const int topInMonitor = static_cast<int>(
        std::floor(monitor.bounds.height() * static_cast<double>(ty) / 2 - heightTwips / 2.0));
    PopupBounds bounds = Bounds(monitor, monitor.bounds.left * tx + leftInMonitor,
                                monitor.bounds.top * ty + topInMonitor, widthTwips, heightTwips);

    const platform::Rect& work = monitor.workArea;
    const int left = PullInto(bounds.pixels.left, bounds.pixels.width(), work.left, work.right);
    const int top = PullInto(bounds.pixels.top, bounds.pixels.height(), work.top, work.bottom);
    if (left != bounds.pixels.left || top != bounds.pixels.top) {
        bounds = Bounds(monitor, left * tx, top * ty, widthTwips, heightTwips);
    }
    return bounds;
}

PopupBounds PlacePopupInTutorial(const ScreenLayout& screen, const platform::TwipsBox& tutorial,
                                 int widthTwips, int heightTwips) {
    const int index = PrimaryMonitor(screen);
    const MonitorInfo& monitor = index >= 0 ? screen.monitors[index] : FallbackMonitor();
    const int left = tutorial.left + tutorial.width - 2 * screen.captionPixels - 375 - widthTwips;
    const int top = tutorial.top + tutorial.height - heightTwips - 165 -
                    (2 * screen.captionPixels + screen.dialogFramePixels);
    return Bounds(monitor, left, top, widthTwips, heightTwips);
}

}  // namespace kz
