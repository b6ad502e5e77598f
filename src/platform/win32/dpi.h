#pragma once
// The DPI a window is drawn at: that of the monitor that shows it (or will show it), read
// through the per-monitor functions where the system has them. A test can force one value
// with the environment variable ZAVORA_TEST_DPI (for example 144 or 192), so the suite
// checks 150 % and 200 % without a second monitor.
#include <windows.h>

#include <optional>

#include "platform/geometry.h"

// Sent when the window's monitor or scale changes; headers that target systems before
// per-monitor DPI leave it out.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace kz::win32 {

// The forced DPI, read once; empty in normal runs.
std::optional<int> TestDpiOverride();

// The DPI of the monitor nearest to `point` (virtual-screen pixels).
int DpiAtPoint(POINT point);
// The DPI of the monitor `monitor`.
int DpiOfMonitor(HMONITOR monitor);
// The DPI the system gives `window` (its monitor's, for a per-monitor aware process).
int DpiOfWindow(HWND window);

// GetSystemMetricsForDpi where it exists, GetSystemMetrics otherwise.
int SystemMetricForDpi(int index, int dpi);

// The program's pixel rectangle and the system's RECT, field for field.
inline RECT ToRect(const platform::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
inline platform::Rect FromRect(const RECT& r) { return platform::Rect{r.left, r.top, r.right, r.bottom}; }

// A dialog whose size follows its own layout takes only the place that WM_DPICHANGED
// suggests; the layout for the new DPI then gives the size.
inline void MoveToSuggestedPlace(HWND window, LPARAM suggestedRect) {
    const auto& suggested = *reinterpret_cast<const RECT*>(suggestedRect);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Sizes a window so that its client area is the given twips at `dpi`; the frame keeps
// the size it has now.
inline void SetClientSizeInTwips(HWND window, int widthTwips, int heightTwips, int dpi) {
    RECT outer{};
    RECT client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    const int frameWidth = (outer.right - outer.left) - client.right;
    const int frameHeight = (outer.bottom - outer.top) - client.bottom;
    SetWindowPos(window, nullptr, 0, 0, platform::TwipsToPixels(widthTwips, dpi) + frameWidth,
                 platform::TwipsToPixels(heightTwips, dpi) + frameHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace kz::win32
