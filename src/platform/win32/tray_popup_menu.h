#pragma once
// The tray icon's menu, shown at the mouse position.
#include <windows.h>

#include "app/tray_menu.h"

namespace kz::win32 {

// Shows the menu for `owner` (which must be the foreground window, or the menu would not
// close when the user clicks elsewhere) at `at`, and returns the chosen item, or
// TrayCommand::Separator when the menu was dismissed.
app::TrayCommand ShowTrayMenu(HWND owner, POINT at);

}  // namespace kz::win32
