// The decisions of the window that owns the tray icon.
#include <gtest/gtest.h>

#include "app/tray_menu.h"

namespace kz::app {
namespace {

constexpr unsigned kSysCommand = 0x0112;
constexpr unsigned kTaskbarCreated = 0xC123;  // a registered message's number
const TraySystemMessages kSystem{kTaskbarCreated};

TrayMessage IconMouse(unsigned mouseMessage) {
    return {kTrayCallbackMessage, 0, static_cast<std::intptr_t>(mouseMessage)};
}

// Releasing either button over the icon opens the menu; only the low word is the mouse
// message, as newer shells put more in the high word. Minimise hides, restore shows only a
// hidden window, and a new taskbar gets the icon again. Everything else passes on.
TEST(TrayMessages, EachMessageGetsItsReaction) {
    using enum TrayReaction;
    struct Case { TrayMessage message; bool visible; TrayReaction reaction; };
    const Case cases[] = {
        {IconMouse(0x0202), false, OpenMenu},      {IconMouse(0x0205), true, OpenMenu},
        {IconMouse(0x00040205), false, OpenMenu},  {{0x0202, 0, 0}, false, PassOn},  // not the icon's
        {{kSysCommand, 0xF020, 0}, true, HideWindow},  {{kSysCommand, 0xF120, 0}, false, ShowWindow},
        {{kSysCommand, 0xF122, 0}, false, ShowWindow}, {{kSysCommand, 0xF120, 0}, true, PassOn},
        {{kSysCommand, 0xF060, 0}, true, PassOn},      {{kTaskbarCreated, 0, 0}, false, AddIconAgain},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(DecideTrayMessage(cases[i].message, cases[i].visible, kSystem), cases[i].reaction) << i;
    }
    // Presses, double clicks, moves and the middle button open nothing.
    for (unsigned other : {0x0200u, 0x0201u, 0x0203u, 0x0204u, 0x0206u, 0x0207u, 0x0208u}) {
        EXPECT_EQ(DecideTrayMessage(IconMouse(other), false, kSystem), PassOn) << std::hex << other;
    }
    // Without the registered number no message is mistaken for it.
    EXPECT_EQ(DecideTrayMessage({0, 0, 0}, false, TraySystemMessages{}), PassOn);
}

}  // namespace
}  // namespace kz::app
