#include "platform/win32/tray_icon.h"

#include <commctrl.h>
#include <shellapi.h>

#include "platform/win32/dpi.h"
#include "platform/win32/tray_popup_menu.h"

namespace kz::win32 {
namespace {

NOTIFYICONDATAW Record(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = 0;
    return data;
}

// The icon at the small-icon size of the monitor that shows the taskbar (the primary one).
UniqueIcon LoadTrayIcon(HINSTANCE instance) {
    const int dpi = DpiAtPoint(POINT{0, 0});
    const int cx = SystemMetricForDpi(SM_CXSMICON, dpi);
    const int cy = SystemMetricForDpi(SM_CYSMICON, dpi);
    // Not shared: a shared icon comes at the system's size only.
    return UniqueIcon(static_cast<HICON>(LoadImageW(instance, L"ICO", IMAGE_ICON, cx, cy, 0)));
}

}  // namespace

TrayIcon::TrayIcon(HINSTANCE instance, app::TrayActions& actions)
    : instance_(instance), actions_(actions) {
    system_.taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
}

TrayIcon::~TrayIcon() { remove(); }

void TrayIcon::add(HWND window, std::wstring tooltip) {
    if (window == nullptr || window_ != nullptr) return;
    window_ = window;
    tooltip_ = std::move(tooltip);
    icon_ = LoadTrayIcon(instance_);
    subclass_.attach(window_, [this](HWND, UINT message, WPARAM wParam, LPARAM lParam) {
        return handle(message, wParam, lParam);
    });
    notifyShell();
}

void TrayIcon::notifyShell() {
    NOTIFYICONDATAW data = Record(window_);
    data.uFlags = NIF_MESSAGE | NIF_ICON;
    data.uCallbackMessage = app::kTrayCallbackMessage;
    data.hIcon = icon_.get();
    Shell_NotifyIconW(NIM_ADD, &data);

    data.uFlags = NIF_TIP;
    lstrcpynW(data.szTip, tooltip_.c_str(), static_cast<int>(std::size(data.szTip)));
    Shell_NotifyIconW(NIM_MODIFY, &data);
}

void TrayIcon::remove() {
    if (window_ == nullptr) return;
    HWND window = std::exchange(window_, nullptr);
    NOTIFYICONDATAW data = Record(window);
    Shell_NotifyIconW(NIM_DELETE, &data);
    subclass_.detach();
    icon_.reset();
}

LRESULT TrayIcon::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = window_;
    if (message == WM_NCDESTROY) {
        remove();
        return DefSubclassProc(window, message, wParam, lParam);
    }
    const app::TrayMessage m{message, static_cast<std::uintptr_t>(wParam), static_cast<std::intptr_t>(lParam)};
    switch (app::DecideTrayMessage(m, IsWindowVisible(window) != FALSE, system_)) {
    case app::TrayReaction::OpenMenu:
        openMenu();
        return 0;
    case app::TrayReaction::HideWindow:
        ShowWindow(window, SW_HIDE);
        return 0;
    case app::TrayReaction::ShowWindow:
        ShowWindow(window, SW_SHOW);
        return 0;
    case app::TrayReaction::AddIconAgain:
        notifyShell();
        break;  // other windows of the program may want to hear of the new taskbar too
    case app::TrayReaction::PassOn:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void TrayIcon::openMenu() {
    HWND window = window_;
    // Without the foreground, the menu would stay open when the user clicks elsewhere.
    SetForegroundWindow(window);
    POINT at{};
    GetCursorPos(&at);
    const app::TrayCommand chosen = ShowTrayMenu(window, at);
    app::RunTrayCommand(chosen, actions_);
    // The menu's last message must be followed by another, or it reopens badly on the next
    // click; after "Exit" there is no window to post to.
    if (window_ != nullptr) PostMessageW(window_, WM_NULL, 0, 0);
}

}  // namespace kz::win32
