#pragma once
// The interception instance's icon in the notification area. While it exists, the main
// window's messages pass through the icon first (a subclass of the main window): a
// button released over the icon opens the menu, minimising hides the window, restoring
// shows it, a new taskbar gets the icon again, and the window's destruction takes the
// icon away.
#include <windows.h>

#include <string>

#include "app/tray_menu.h"
#include "platform/win32/gdi_holders.h"
#include "platform/win32/window_subclass.h"

namespace kz::win32 {

class TrayIcon {
public:
    TrayIcon(HINSTANCE instance, app::TrayActions& actions);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Adds the icon "ICO" for `window` with `tooltip`. A shell that refuses leaves the
    // program running without an icon.
    void add(HWND window, std::wstring tooltip);
    // Takes the icon away and gives the window its own procedure back; harmless twice.
    void remove();
    bool added() const { return window_ != nullptr; }

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void notifyShell();
    void openMenu();

    HINSTANCE instance_;
    app::TrayActions& actions_;
    HWND window_ = nullptr;
    std::wstring tooltip_;
    UniqueIcon icon_;
    app::TraySystemMessages system_;
    WindowSubclass subclass_;  // last: it goes first, while the rest still stands
};

}  // namespace kz::win32
