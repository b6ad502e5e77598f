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

// Shifts [start, start + length) into [low, high) where it fits; a longer span keeps its
// start at `low`.
int PullInto(int start, int length, int low, int high) {
    if (start + length > high) start = high - length;
    return std::max(start, low);
}

PopupBounds Bounds(const MonitorInfo& monitor, int leftTwips, int topTwips, int widthTwips,
                   int heightTwips) {
    return BoundsAt(leftTwips, topTwips, widthTwips, heightTwips, monitor.dpi);
}

const MonitorInfo& FallbackMonitor() {
    static const MonitorInfo kMonitor{.bounds = {0, 0, 1024, 768},
                                      .workArea = {0, 0, 1024, 768},
                                      .primary = true};
    return kMonitor;
}

}  // namespace

PopupBounds BoundsAt(int leftTwips, int topTwips, int widthTwips, int heightTwips, int dpi) {
    dpi = dpi > 0 ? dpi : platform::kBaseDpi;
    const int left = platform::PixelHolding(leftTwips, dpi);
    const int top = platform::PixelHolding(topTwips, dpi);
    return PopupBounds{.leftTwips = leftTwips,
                       .topTwips = topTwips,
                       .widthTwips = widthTwips,
                       .heightTwips = heightTwips,
                       .dpi = dpi,
                       .pixels = {left, top, left + platform::TwipsToPixels(widthTwips, dpi),
                                  top + platform::TwipsToPixels(heightTwips, dpi)}};
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
    const int dpi = monitor.dpi > 0 ? monitor.dpi : platform::kBaseDpi;
    // Centred on the monitor, counted from its corner, as the single-screen layout does:
    // the integer part of (monitor length in twips - popup length) / 2, exact at any DPI.
    const auto centred = [dpi](int monitorPixels, int twips) {
        const long long twice = static_cast<long long>(monitorPixels) * platform::kTwipsPerInch -
                                static_cast<long long>(twips) * dpi;
        return static_cast<int>(std::floor(static_cast<double>(twice) / (2.0 * dpi)));
    };
    const int leftInMonitor = centred(monitor.bounds.width(), widthTwips);
    const int topInMonitor = centred(monitor.bounds.height(), heightTwips);
    PopupBounds bounds = Bounds(monitor, platform::FirstTwipsOfPixel(monitor.bounds.left, dpi) + leftInMonitor,
                                platform::FirstTwipsOfPixel(monitor.bounds.top, dpi) + topInMonitor,
                                widthTwips, heightTwips);

    const platform::Rect& work = monitor.workArea;
    const int left = PullInto(bounds.pixels.left, bounds.pixels.width(), work.left, work.right);
    const int top = PullInto(bounds.pixels.top, bounds.pixels.height(), work.top, work.bottom);
    if (left != bounds.pixels.left || top != bounds.pixels.top) {
        bounds = Bounds(monitor, platform::FirstTwipsOfPixel(left, dpi), platform::FirstTwipsOfPixel(top, dpi),
                        widthTwips, heightTwips);
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
