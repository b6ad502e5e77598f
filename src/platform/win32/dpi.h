#pragma once
// The DPI a window is drawn at: that of the monitor that shows it (or will show it), read
// through the per-monitor functions where the system has them. A test can force one value
// with the environment variable ZAVORA_TEST_DPI (for example 144 or 192), so the suite
// checks 150 % and 200 % without a second monitor.
#include <windows.h>

#include <optional>

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

}  // namespace kz::win32
