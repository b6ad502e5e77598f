#include "platform/win32/tray_popup_menu.h"

#include "platform/win32/gdi_holders.h"
#include "platform/win32/wide_text.h"

namespace kz::win32 {
namespace {

void ReleaseMenu(HMENU menu) { DestroyMenu(menu); }
using UniqueMenu = UniqueHolder<HMENU, ReleaseMenu>;

UniqueMenu BuildMenu() {
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) return menu;
    for (const app::TrayMenuItem& item : app::kTrayMenu) {
        if (item.command == app::TrayCommand::Separator) {
            AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuW(menu.get(), MF_STRING, static_cast<UINT_PTR>(item.command),
                        Widen(item.caption).c_str());
        }
    }
    return menu;
}

}  // namespace

app::TrayCommand ShowTrayMenu(HWND owner, POINT at) {
    const UniqueMenu menu = BuildMenu();
    if (!menu) return app::TrayCommand::Separator;
    // The choice comes back as the return value, so the action runs after the menu's own
    // loop has ended and nothing is left waiting in the queue.
    const UINT flags = TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON;
    const BOOL chosen = TrackPopupMenuEx(menu.get(), flags, at.x, at.y, owner, nullptr);
    return app::TrayCommandFromId(static_cast<unsigned>(chosen));
}

}  // namespace kz::win32
