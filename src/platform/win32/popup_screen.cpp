#include "platform/win32/popup_screen.h"

#include <windows.h>

#include "platform/canvas.h"
#include "platform/win32/dpi.h"

namespace kz::win32 {

namespace {


BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto* monitors = reinterpret_cast<std::vector<MonitorInfo>*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(monitor, &info)) return TRUE;
    monitors->push_back(MonitorInfo{.bounds = FromRect(info.rcMonitor),
                                    .workArea = FromRect(info.rcWork),
                                    .dpi = DpiOfMonitor(monitor),
                                    .primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
    return TRUE;
}

}  // namespace

ScreenLayout PopupScreen::screenLayout() const {
    ScreenLayout screen;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&screen.monitors));
    HWND foreground = GetForegroundWindow();
    RECT rect{};
    if (foreground != nullptr && GetWindowRect(foreground, &rect)) screen.foregroundWindow = FromRect(rect);
    screen.captionPixels = GetSystemMetrics(SM_CYCAPTION);
    screen.dialogFramePixels = GetSystemMetrics(SM_CYDLGFRAME);
    return screen;
}

}  // namespace kz::win32
