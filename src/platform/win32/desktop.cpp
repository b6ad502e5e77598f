#include "platform/win32/desktop.h"

#include "platform/win32/main_window.h"
#include "platform/win32/screen.h"
#include "platform/win32/wide_text.h"

namespace kz::win32 {
namespace {

// A receiver that hangs must not hang the sender for ever; a healthy one answers well
// within this, its whole exit sequence included.
constexpr UINT kSendTimeoutMs = 10000;

HWND ToHwnd(platform::WindowHandle handle) { return reinterpret_cast<HWND>(handle); }
platform::WindowHandle ToHandle(HWND hwnd) { return reinterpret_cast<platform::WindowHandle>(hwnd); }

BOOL CALLBACK CollectMainWindow(HWND window, LPARAM out) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, 256);
    if (Narrow(std::wstring_view(name, static_cast<std::size_t>(length))) == platform::kMainWindowClass) {
        reinterpret_cast<std::vector<platform::WindowHandle>*>(out)->push_back(ToHandle(window));
    }
    return TRUE;
}

}  // namespace

std::unique_ptr<platform::MainWindow> Win32Desktop::createMainWindow(
    platform::MainWindowListener& listener) {
    return std::make_unique<Win32MainWindow>(instance_, listener);
}

platform::WindowHandle Win32Desktop::findMainWindow(std::string_view caption) const {
    return ToHandle(FindWindowW(Widen(platform::kMainWindowClass).c_str(), Widen(caption).c_str()));
}

platform::WindowHandle Win32Desktop::findWindowByCaption(std::string_view caption) const {
    return ToHandle(FindWindowW(nullptr, Widen(caption).c_str()));
}

std::vector<platform::WindowHandle> Win32Desktop::mainWindows() const {
    std::vector<platform::WindowHandle> out;
    EnumWindows(CollectMainWindow, reinterpret_cast<LPARAM>(&out));
    return out;
}

std::string Win32Desktop::className(platform::WindowHandle window) const {
    wchar_t name[256] = {};
    const int length = GetClassNameW(ToHwnd(window), name, 256);
    return length > 0 ? Narrow(std::wstring_view(name, static_cast<std::size_t>(length))) : std::string();
}

// WM_GETTEXT rather than GetWindowText: for a control of another process GetWindowText
// returns the text the control was created with, not what it holds now.
std::string Win32Desktop::windowText(platform::WindowHandle window) const {
    if (!IsWindow(ToHwnd(window))) return {};
    wchar_t text[256] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(ToHwnd(window), WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &length)) {
        return {};
    }
    return Narrow(std::wstring_view(text, std::min<std::size_t>(length, 255)));
}

bool Win32Desktop::sendText(platform::WindowHandle window, std::string_view text) {
    if (!IsWindow(ToHwnd(window))) return false;
    const std::wstring wide = Widen(text);
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(ToHwnd(window), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()),
                               SMTO_ABORTIFHUNG, kSendTimeoutMs, &result) != 0;
}

bool Win32Desktop::sendCommand(platform::WindowHandle mainWindow, std::string_view text) {
    if (!IsWindow(ToHwnd(mainWindow))) return false;
    COPYDATASTRUCT data{};
    data.dwData = kCommandCopyDataId;
    data.cbData = static_cast<DWORD>(text.size());
    data.lpData = const_cast<char*>(text.data());
    DWORD_PTR result = 0;
    const LRESULT sent = SendMessageTimeoutW(ToHwnd(mainWindow), WM_COPYDATA, 0,
                                             reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                                             kSendTimeoutMs, &result);
    return sent != 0 && result == TRUE;
}

platform::ScreenMetrics Win32Desktop::screen() const {
    const Scale scale = ScreenScale();
    platform::ScreenMetrics metrics;
    metrics.widthPixels = GetSystemMetrics(SM_CXSCREEN);
    metrics.heightPixels = GetSystemMetrics(SM_CYSCREEN);
    metrics.twipsPerPixelX = 1440 / scale.dpiX;
    metrics.twipsPerPixelY = 1440 / scale.dpiY;
    return metrics;
}

}  // namespace kz::win32
