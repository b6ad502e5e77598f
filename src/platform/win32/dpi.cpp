#include "platform/win32/dpi.h"

#include <cstdlib>

#include "platform/canvas.h"
#include "platform/win32/gdi_holders.h"

namespace kz::win32 {

namespace {

// The newer DPI functions, looked up at run time so that the program still starts on
// systems that lack them.
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);

template <typename Fn>
Fn Lookup(const wchar_t* module, const char* name) {
    HMODULE handle = GetModuleHandleW(module);
    if (handle == nullptr) handle = LoadLibraryW(module);
    if (handle == nullptr) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(handle, name)));
}

int ScreenDpi() {
    const WindowDc screen(nullptr);
    const int dpi = screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSY) : platform::kBaseDpi;
    return dpi > 0 ? dpi : platform::kBaseDpi;
}

}  // namespace

std::optional<int> TestDpiOverride() {
    static const std::optional<int> forced = []() -> std::optional<int> {
        const char* text = std::getenv("ZAVORA_TEST_DPI");
        if (text == nullptr) return std::nullopt;
        const long value = std::strtol(text, nullptr, 10);
        if (value < 48 || value > 960) return std::nullopt;  // not a DPI anyone uses
        return static_cast<int>(value);
    }();
    return forced;
}

int DpiOfMonitor(HMONITOR monitor) {
    if (const auto forced = TestDpiOverride()) return *forced;
    static const auto getDpiForMonitor = Lookup<GetDpiForMonitorFn>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0;
    UINT y = 0;
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
    if (monitor != nullptr && getDpiForMonitor != nullptr &&
        SUCCEEDED(getDpiForMonitor(monitor, kEffectiveDpi, &x, &y)) && y > 0) {
        return static_cast<int>(y);
    }
    return ScreenDpi();
}

int DpiAtPoint(POINT point) { return DpiOfMonitor(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST)); }

int DpiOfWindow(HWND window) {
    if (const auto forced = TestDpiOverride()) return *forced;
    static const auto getDpiForWindow = Lookup<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
    if (window != nullptr && getDpiForWindow != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    return DpiOfMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

int SystemMetricForDpi(int index, int dpi) {
    static const auto forDpi = Lookup<GetSystemMetricsForDpiFn>(L"user32.dll", "GetSystemMetricsForDpi");
    if (forDpi != nullptr) return forDpi(index, static_cast<UINT>(dpi));
    return GetSystemMetrics(index);
}

}  // namespace kz::win32
