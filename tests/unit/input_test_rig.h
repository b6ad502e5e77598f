#pragma once
// A whole gesture on the simulated desktop: the program on the simulated keyboard, its
// popup shown by recording windows, and a few languages' worth of keys.
#include <string>
#include <vector>

#include "app/program.h"
#include "keys/virtual_keys.h"
#include "platform/sim/code_page.h"
#include "platform/sim/sim_process.h"
#include "platform/sim/sim_program_windows.h"
#include "platform/sim/sim_world.h"

namespace kz::testing {

class FakeTutorial final : public Tutorial {
public:
    std::string shownStep() const override { return step; }
    void setStep(int s, std::u16string_view text) override {
        steps.push_back(s);
        step = std::to_string(s);
        lastText = std::u16string(text);
    }
    void displayError(std::string_view message, int ms) override {
        errors.emplace_back(message);
        errorMs = ms;
    }
    platform::TwipsBox bounds() const override { return {1500, 1500, 7000, 6000}; }
    void recordCompleted() override { ++completions; }

    std::string step = "1";
    std::vector<int> steps;
    std::u16string lastText;
    std::vector<std::string> errors;
    int errorMs = 0;
    int completions = 0;
};

// Candidates used across the tests.
inline constexpr char16_t kEAcute = u'\u00E9', kEGrave = u'\u00E8', kECirc = u'\u00EA',
                          kEDiaer = u'\u00EB', kCCedil = u'\u00E7', kCAcute = u'\u0107',
                          kDStroke = u'\u0111', kDCaron = u'\u010F', kYDiaer = u'\u00FF',
                          kSharpS = u'\u00DF', kPound = u'\u00A3';

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
            {kEAcute, u'\u00C9', 1, false, "e with acute"},
            {kEGrave, u'\u00C8', 2, false, "e with grave"},
            {kECirc, u'\u00CA', 3, false, "e with circumflex"},
            {kEDiaer, u'\u00CB', 4, false, "e with diaeresis"},
            {kCCedil, u'\u00C7', 5, false, "c with cedilla"},
            {kCAcute, u'\u0106', 1, true, "c with acute"},
            {kDStroke, u'\u0110', 6, true, "d with stroke"},
            {kDCaron, u'\u010E', 7, true, "d with caron"},
            {kYDiaer, u'\u0178', 4, false, "y with diaeresis"},
            {kSharpS, 0, 8, false, "sharp s"},
        });
        keys['e'] = {kEAcute, kEGrave, kECirc, kEDiaer};
        keys['c'] = {kCCedil, kCAcute};
        keys['d'] = {kDStroke, kDCaron};
        keys['y'] = {kYDiaer};
        keys['s'] = {kSharpS};
        // Eight candidates, for scrolling.
        keys['a'] = {u'\u00E0', u'\u00E1', u'\u00E2', u'\u00E4', u'\u00E6', u'\u00E3', u'\u00E5',
                     u'\u0101'};
        keys['1'] = {u'\u00B9'};
        keys[' '] = {u' '};
    }

    void pump() { sim.pump(); }
    void advance(std::uint64_t ms) {
        clock.advance(ms);
        sim.setTime(static_cast<std::uint32_t>(clock.milliseconds()));
    }
    // Holds `modifier`, taps `key`, keeps the modifier held.
    void withHeld(int modifier, int key) {
        sim.press(modifier);
        sim.tap(key);
    }
    std::u16string typed() const { return sim.typedText(); }
    // The keybd_event calls made, as (vk, flags) pairs, leaving out the menu mask.
    std::vector<std::pair<int, std::uint32_t>> keyEventsSent() const;
    // Starts of the service instance that the popup asked for.
    std::size_t serviceStarts() const { return world.launchLog().size(); }

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
    const ScreenSource& screen = view;
    PopupList& popup = program.popup()->popup();
    MouseHandler& mouse = program.popup()->mouseHandler();
};

inline std::vector<std::pair<int, std::uint32_t>> InputRig::keyEventsSent() const {
    std::vector<std::pair<int, std::uint32_t>> events;
    for (const sim::SentInput& call : sim.sent()) {
        if (call.kind == sim::SentInput::Kind::KeybdEvent && call.extraInfo == 0) {
            events.emplace_back(call.vk, call.flags);
        }
    }
    return events;
}

}  // namespace kz::testing
