#pragma once
// A whole gesture on the simulated desktop: the program on the simulated keyboard, its
// popup shown by recording windows, and a few languages' worth of keys. The
// all-characters rig adds a desktop of windows for the mouse and a data folder.
#include <cctype>
#include <string>
#include <vector>

#include "app/program.h"
#include "charset_test_folder.h"
#include "keys/virtual_keys.h"
#include "platform/sim/code_page.h"
#include "platform/sim/sim_process.h"
#include "platform/sim/sim_program_windows.h"
#include "platform/sim/sim_world.h"
#include "settings/setting_access.h"

namespace kz::testing {

class FakeTutorial final : public Tutorial {
public:
    std::string shownStep() const override { return step; }
    void setStep(int s, std::u16string_view text) override {
        step = std::to_string(s);
        lastText = std::u16string(text);
    }
    // The message and how long it shows, in milliseconds.
    void displayError(std::string_view message, int ms) override {
        errors.push_back(std::string(message) + ", " + std::to_string(ms));
    }
    platform::TwipsBox bounds() const override { return {1500, 1500, 7000, 6000}; }
    void recordCompleted() override { ++completions; }

    std::string step = "1";
    std::u16string lastText;
    std::vector<std::string> errors;
    int completions = 0;
};

// Candidates used across the tests.
inline constexpr char16_t kEAcute = u'\u00E9', kEGrave = u'\u00E8', kECirc = u'\u00EA', kEDiaer = u'\u00EB',
                          kDStroke = u'\u0111';

// The program's links to one simulated process and the desktop it runs on.
inline app::Program::Links SimProgramLinks(sim::SimProcess& process, SettingsStore& store,
                                           const platform::CodePage& codePage, sim::SimProgramWindows& windows) {
    sim::SimWorld& world = process.world();
    return {.desktop = process.desktop(),
            .process = process,
            .clock = world.clock(),
            .registry = world.registry(),
            .store = store,
            .codePage = codePage,
            .keyboard = world.input(),
            .input = world.input(),
            .hooks = world.input(),
            .mouseWindows = world.mouseWindows(),
            .windows = windows};
}

class InputRig {
public:
    explicit InputRig(const sim::SimLayout& layout = sim::UsLayout(), int codePageNumber = 1252)
        : codePage(codePageNumber) {
        sim.setLayout(layout);
        characters.assign({
            {kEAcute, u'\u00C9', 1, false, "e with acute"},    {kEGrave, u'\u00C8', 2, false, "e with grave"},
            {kECirc, u'\u00CA', 3, false, "e with circumflex"}, {kEDiaer, u'\u00CB', 4, false, "e with diaeresis"},
            {u'\u00E7', u'\u00C7', 5, false, "c with cedilla"}, {u'\u0107', u'\u0106', 1, true, "c with acute"},
            {kDStroke, u'\u0110', 6, true, "d with stroke"},   {u'\u010F', u'\u010E', 7, true, "d with caron"},
            {u'\u00FF', u'\u0178', 4, false, "y with diaeresis"}, {u'\u00DF', 0, 8, false, "sharp s"},
        });
        keys['e'] = {kEAcute, kEGrave, kECirc, kEDiaer};
        keys['c'] = {u'\u00E7', u'\u0107'};
        keys['d'] = {kDStroke, u'\u010F'};
        keys['y'] = {u'\u00FF'};
        keys['s'] = {u'\u00DF'};
        keys['a'] = {u'\u00E0', u'\u00E1', u'\u00E2', u'\u00E4', u'\u00E6', u'\u00E3', u'\u00E5', u'\u0101'};
        keys['1'] = {u'\u00B9'};
        keys[' '] = {u' '};
    }

    void advance(std::uint64_t ms) {
        clock.advance(ms);
        sim.setTime(static_cast<std::uint32_t>(clock.milliseconds()));
    }
    // Holds `modifier`, taps `key`, keeps the modifier held.
    void withHeld(int modifier, int key) {
        sim.press(modifier);
        sim.tap(key);
    }
    // Alt Gr + `key`, then Alt Gr let go.
    void altGrTap(int key) {
        withHeld(vk::kRMenu, key);
        sim.release(vk::kRMenu);
    }
    std::u16string typed() const { return sim.typedText(); }
    // The keybd_event calls made, as (vk, flags) pairs, leaving out the menu mask.
    std::vector<std::pair<int, std::uint32_t>> keyEventsSent() const {
        std::vector<std::pair<int, std::uint32_t>> events;
        for (const sim::SentInput& call : sim.sent()) {
            const bool own = call.kind == sim::SentInput::Kind::KeybdEvent && call.extraInfo == 0;
            if (own) events.emplace_back(call.vk, call.flags);
        }
        return events;
    }

    // The simulated desktop and the program on it, with its popup loaded and its keyboard
    // hook installed as the start-up leaves them.
    sim::SimWorld world;
    sim::SimProcess process{world, 1, ""};
    sim::SimCodePage codePage;
    SettingsStore store{world.registry()};
    sim::SimProgramWindows windows;
    app::Program program{SimProgramLinks(process, store, codePage, windows)};
    KeyHandler& handler = (program.installKeyboardHook(), *program.keyHandler());

    sim::SimInput& sim = world.input();
    sim::SimClock& clock = world.clock();
    RunningSettings& settings = program.instance().runningSettings();
    CharacterTable& characters = program.characters();
    KeyTable& keys = program.keyTable();
    GestureFlags& gesture = program.gesture();
    TutorialLink& tutorial = program.tutorial();
    sim::SimPopupWindows& view = static_cast<sim::SimPopupWindows&>(*program.popupWindows());
    PopupList& popup = program.popup()->popup();
    AllCharacters& screen = program.popup()->screen();
};

// The characters of the all-characters tests: "with acute" has nine letters (more than a
// page), "with stroke" three; Cyrillic zhe has no type.
inline std::vector<CharacterRecord> TestCharacters() {
    return {
        {u'\u00E1', u'\u00C1', 1, false, "a with acute"}, {u'\u00E9', u'\u00C9', 1, false, "e with acute"},
        {u'\u00ED', u'\u00CD', 1, false, "i with acute"}, {u'\u00F3', u'\u00D3', 1, false, "o with acute"},
        {u'\u00FA', u'\u00DA', 1, false, "u with acute"}, {u'\u00FD', u'\u00DD', 1, false, "y with acute"},
        {u'\u0107', u'\u0106', 1, true, "c with acute"},  {u'\u0144', u'\u0143', 1, true, "n with acute"},
        {u'\u017A', u'\u0179', 1, true, "z with acute"},  {u'\u00E8', u'\u00C8', 2, false, "e with grave"},
        {u'\u00E0', u'\u00C0', 2, false, "a with grave"}, {u'\u00F8', u'\u00D8', 3, false, "o with stroke"},
        {u'\u0111', u'\u0110', 3, true, "d with stroke"}, {u'\u0142', u'\u0141', 3, true, "l with stroke"},
        {u'\u00E7', u'\u00C7', 4, false, "c with cedilla"}, {u'\u00DF', 0, 5, false, "sharp s"},
        {u'\u00A1', 0, 6, false, "inverted exclamation mark"}, {u'\u0436', u'\u0416', 0, true, "cyrillic zhe"},
    };
}

// Polish carries ó on two keys ("o" and "u"); Spanish puts "¡" on "!" (before "a" in code
// order, after "z" in the screen's key order).
inline constexpr std::string_view kTestGroups =
    "1;with acute\r\n2;with grave\r\n3;with stroke\r\n4;with cedilla\r\n5;other letters\r\n"
    "6;punctuation\r\n7;with ring\r\n";
inline constexpr std::string_view kTestLanguages =
    "French{a 00E000E2\r\nc 00E7\r\ne 00E900E800EA00EB}\r\n"
    "German{a 00E4\r\ns 00DF}\r\n"
    "Polish{a 0105\r\nc 0107\r\nl 0142\r\nn 0144\r\no 00F3\r\nu 00F3\r\nz 017A017C}\r\n"
    "Spanish{! 00A1\r\na 00E1\r\ne 00E9\r\ni 00ED\r\nn 00F1\r\no 00F3\r\nu 00FA00FC}\r\n"
    "Empty{}\r\n";

class AllCharsRig : public InputRig {
public:
    AllCharsRig() {
        characters.assign(TestCharacters());
        folder.write("groups.dat", kTestGroups);
        folder.write("data.dat", kTestLanguages);
        folder.write("order.dat", "French;German;!Polish;!Spanish;!Empty");
        world.setApplicationFolder(folder.path().string() + "/");
        screen.prepare();  // as the start-up reads ahead
        application = desktop.addWindow({0, 0, 1024, 768}, [this](const sim::PostedMessage& m) {
            applicationMessages.push_back(m);
        });
    }

    // Alt Gr + `key` (space: the all-characters screen), then the trigger released unless
    // `keepHeld`; the popup's windows are in place.
    void open(int key = vk::kSpace, bool keepHeld = false) {
        withHeld(vk::kRMenu, key);
        if (!keepHeld) sim.release(vk::kRMenu);
        placeWindows();
    }
    void tap(int key) { sim.tap(key); }
    // The popup window, which finds the control under the pointer itself, at the popup's
    // pixel rectangle.
    void placeWindows() {
        if (popupWindow == 0) {
            popupWindow = desktop.addWindow(
                {},
                [this](const sim::PostedMessage& m) {
                    program.popup()->mouse().onWindowMessage(m.message, static_cast<int>(m.wParam),
                                                             platform::MouseX(m.lParam), platform::MouseY(m.lParam));
                },
                true);
        }
        desktop.moveWindow(popupWindow, popup.bounds().pixels);
    }
    // A screen point inside `control`, `yTwips` below its top and 10 pixels from its left.
    platform::Point pointIn(PopupControl control, int yTwips = 0) const {
        const PopupBounds& b = popup.bounds();
        const platform::Rect r = platform::PixelsOf(ControlBox(popup.mode(), popup.lastRow(), control), b.dpi);
        return {b.pixels.left + r.left + 10, b.pixels.top + r.top + platform::PixelHolding(yTwips, b.dpi)};
    }

    // The user's mouse: through the hook when it is installed, then the message loop turns.
    // True when the hook swallowed the event.
    bool mouseEvent(std::uint32_t message, int x, int y, std::uint32_t mouseData = 0) {
        const bool swallowed = sim.mouse(platform::MouseEvent{x, y, mouseData, 0, 0, message});
        desktop.runMessages();
        return swallowed;
    }
    void click(platform::Point p) {
        mouseEvent(mouse_message::kLeftDown, p.x, p.y);
        mouseEvent(mouse_message::kLeftUp, p.x, p.y);
    }
    void doubleClick(platform::Point p) {
        click(p);
        advance(100);
        click(p);
    }
    bool wheel(platform::Point p, int delta) {
        return mouseEvent(mouse_message::kWheel, p.x, p.y, static_cast<std::uint32_t>(delta) << 16);
    }
    void typeText(std::string_view text) {
        for (char c : text) sim.tap(c == ' ' ? vk::kSpace : std::toupper(static_cast<unsigned char>(c)));
    }
    // The names of the characters list, in order.
    std::vector<std::string> listedNames() const {
        std::vector<std::string> names;
        for (int index : screen.gridChars()) names.push_back(characters.records()[index].name);
        return names;
    }

    DataFolder folder;
    sim::SimMouseWindows& desktop = world.mouseWindows();
    platform::WindowHandle application = 0, popupWindow = 0;
    std::vector<sim::PostedMessage> applicationMessages;
};

}  // namespace kz::testing
