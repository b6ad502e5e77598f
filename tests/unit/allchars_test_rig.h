#pragma once
// The all-characters screen on the simulated desktop: the program of the input rig, a
// desktop of windows for the mouse, and a data folder with a small character set.
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "charset_test_folder.h"
#include "input_test_rig.h"
#include "settings/setting_access.h"
#include "settings/settings_store.h"
#include "settings/settings_table.h"

namespace kz::testing {

// The characters of the tests: "with acute" has nine letters (more than a page), "with
// stroke" three; Cyrillic zhe has no type.
inline std::vector<CharacterRecord> TestCharacters() {
    return {
        {u'\u00E1', u'\u00C1', 1, false, "a with acute"},
        {u'\u00E9', u'\u00C9', 1, false, "e with acute"},
        {u'\u00ED', u'\u00CD', 1, false, "i with acute"},
        {u'\u00F3', u'\u00D3', 1, false, "o with acute"},
        {u'\u00FA', u'\u00DA', 1, false, "u with acute"},
        {u'\u00FD', u'\u00DD', 1, false, "y with acute"},
        {u'\u0107', u'\u0106', 1, true, "c with acute"},
        {u'\u0144', u'\u0143', 1, true, "n with acute"},
        {u'\u017A', u'\u0179', 1, true, "z with acute"},
        {u'\u00E8', u'\u00C8', 2, false, "e with grave"},
        {u'\u00E0', u'\u00C0', 2, false, "a with grave"},
        {u'\u00F8', u'\u00D8', 3, false, "o with stroke"},
        {u'\u0111', u'\u0110', 3, true, "d with stroke"},
        {u'\u0142', u'\u0141', 3, true, "l with stroke"},
        {u'\u00E7', u'\u00C7', 4, false, "c with cedilla"},
        {u'\u00DF', 0, 5, false, "sharp s"},
        {u'\u00A1', 0, 6, false, "inverted exclamation mark"},
        {u'\u0436', u'\u0416', 0, true, "cyrillic zhe"},
    };
}

inline constexpr std::string_view kTestGroups =
    "1;with acute\r\n2;with grave\r\n3;with stroke\r\n4;with cedilla\r\n5;other letters\r\n"
    "6;punctuation\r\n7;with ring\r\n";
// Polish carries ó on two keys ("o" and "u"); Spanish puts "¡" on "!" (before "a" in
// code order, after "z" in the screen's key order).
inline constexpr std::string_view kTestLanguages =
    "French{a 00E000E2\r\nc 00E7\r\ne 00E900E800EA00EB}\r\n"
    "German{a 00E4\r\ns 00DF}\r\n"
    "Polish{a 0105\r\nc 0107\r\nl 0142\r\nn 0144\r\no 00F3\r\nu 00F3\r\nz 017A017C}\r\n"
    "Spanish{! 00A1\r\na 00E1\r\ne 00E9\r\ni 00ED\r\nn 00F1\r\no 00F3\r\nu 00FA00FC}\r\n"
    "Empty{}\r\n";
inline constexpr std::string_view kTestOrder = "French;German;!Polish;!Spanish;!Empty";

class AllCharsRig {
public:
    AllCharsRig() {
        input.characters.assign(TestCharacters());
        folder.write("groups.dat", kTestGroups);
        folder.write("data.dat", kTestLanguages);
        folder.write("order.dat", kTestOrder);
        input.world.setApplicationFolder(folder.path().string() + "/");
        input.program.popup()->screen().prepare();  // as the start-up reads ahead
        application = windows.addWindow({0, 0, 1024, 768}, [this](const sim::PostedMessage& m) {
            applicationMessages.push_back(m);
        });
    }

    // Alt Gr + `key` (space: the all-characters screen), then the trigger released unless
    // `keepHeld`; the popup's windows are in place.
    void open(int key = vk::kSpace, bool keepHeld = false) {
        input.withHeld(vk::kRMenu, key);
        if (!keepHeld) input.sim.release(vk::kRMenu);
        placeWindows();
    }
    void tap(int key) { input.sim.tap(key); }
    // The popup window (which finds the control under the pointer itself) and, on top of
    // it, the two scroll bars as windows of their own, where Windows puts them: the window
    // at the popup's pixel rectangle, its children at their boxes' pixels at its DPI.
    void placeWindows() {
        const platform::Rect rect = popup.bounds().pixels;
        if (popupWindow == 0) {
            popupWindow = windows.addWindow(
                rect,
                [this](const sim::PostedMessage& m) {
                    popupMouse.onWindowMessage(m.message, static_cast<int>(m.wParam), platform::MouseX(m.lParam),
                                               platform::MouseY(m.lParam));
                },
                true);
            topBarWindow = windows.addWindow({}, {}, true);
            charactersBarWindow = windows.addWindow({}, {}, true);
            screen.topBar().setWindow(topBarWindow);
            screen.charactersBar().setWindow(charactersBarWindow);
        }
        windows.moveWindow(popupWindow, rect);
        windows.moveWindow(topBarWindow, childRect(PopupControl::TopBar));
        windows.moveWindow(charactersBarWindow, childRect(PopupControl::CharactersBar));
        screen.topBar().setHeightPixels(heightOf(topBarWindow));
        screen.charactersBar().setHeightPixels(heightOf(charactersBarWindow));
    }
    platform::Rect childRect(PopupControl control) const {
        const PopupBounds& b = popup.bounds();
        const platform::Rect r = platform::PixelsOf(ControlBox(popup.mode(), popup.lastRow(), control), b.dpi);
        return {b.pixels.left + r.left, b.pixels.top + r.top, b.pixels.left + r.right, b.pixels.top + r.bottom};
    }
    int heightOf(platform::WindowHandle w) const {
        const platform::Rect r = windows.windowRect(w);
        return r.bottom - r.top;
    }
    // A screen point inside `control`, `yTwips` below its top and 10 pixels from its left.
    platform::Point pointIn(PopupControl control, int yTwips = 0) const {
        const platform::Rect r = childRect(control);
        return {r.left + 10, r.top + platform::PixelHolding(yTwips, popup.bounds().dpi)};
    }

    // The user's mouse: through the hook when it is installed, then the message loop turns.
    // True when the hook swallowed the event.
    bool mouseEvent(std::uint32_t message, int x, int y, std::uint32_t mouseData = 0) {
        const platform::MouseEvent event{x, y, mouseData, 0, 0, message};
        const bool swallowed = input.sim.mouse(event);
        windows.runMessages();
        return swallowed;
    }
    void click(platform::Point p) {
        mouseEvent(mouse_message::kLeftDown, p.x, p.y);
        mouseEvent(mouse_message::kLeftUp, p.x, p.y);
    }
    void doubleClick(platform::Point p) {
        click(p);
        input.advance(100);
        click(p);
    }
    bool wheel(platform::Point p, int delta) {
        return mouseEvent(mouse_message::kWheel, p.x, p.y, static_cast<std::uint32_t>(delta) << 16);
    }
    void typeText(std::string_view text) {
        for (char c : text) input.sim.tap(c == ' ' ? vk::kSpace : std::toupper(static_cast<unsigned char>(c)));
    }
    std::string storedState(const settings::Setting& setting) const {
        return settings::Read(store, setting);
    }
    // The names of the characters list, in order.
    std::vector<std::string> listedNames() const {
        std::vector<std::string> names;
        for (int index : screen.gridChars()) names.push_back(input.characters.records()[index].name);
        return names;
    }

    DataFolder folder;
    InputRig input;
    sim::SimRegistry& registry = input.world.registry();
    SettingsStore& store = input.store;
    sim::SimMouseWindows& windows = input.world.mouseWindows();
    sim::SimPopupWindows& lists = input.view;
    platform::WindowHandle application = 0;
    platform::WindowHandle popupWindow = 0, topBarWindow = 0, charactersBarWindow = 0;
    std::vector<sim::PostedMessage> applicationMessages;
    AllCharacters& screen = input.program.popup()->screen();
    PopupMouse& popupMouse = input.program.popup()->mouse();
    MouseHandler& mouse = input.mouse;
    PopupList& popup = input.popup;
    KeyHandler& handler = input.handler;
};

}  // namespace kz::testing
