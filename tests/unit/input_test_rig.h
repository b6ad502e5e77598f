#pragma once
// A whole gesture on the simulated desktop: the simulated keyboard with its hook, the key
// handler, the popup model with a recording view, and a few languages' worth of keys.
#include <string>
#include <vector>

#include "charset/character_table.h"
#include "charset/key_table.h"
#include "input/gesture_flags.h"
#include "input/key_handler.h"
#include "input/tutorial_link.h"
#include "input/virtual_keys.h"
#include "platform/sim/sim_clock.h"
#include "platform/sim/sim_input.h"
#include "popup/popup_list.h"
#include "popup/popup_view.h"
#include "settings/running_settings.h"

namespace kz::testing {

class RecordingView final : public PopupView {
public:
    void redraw() override { ++redraws; }
    void layoutChanged() override { ++layouts; }
    void place(const PopupBounds& b) override {
        ++places;
        bounds = b;
    }
    void show() override { ++shows; }
    void hide() override { ++hides; }
    void setTopmost() override { ++topmosts; }

    int redraws = 0, layouts = 0, places = 0, shows = 0, hides = 0, topmosts = 0;
    PopupBounds bounds;
};

class FixedScreen final : public ScreenSource {
public:
    ScreenLayout screenLayout() const override { return layout; }
    ScreenLayout layout{.monitors = {MonitorInfo{.bounds = {0, 0, 1024, 768},
                                                 .workArea = {0, 0, 1024, 728},
                                                 .primary = true}},
                        .captionPixels = 18,
                        .dialogFramePixels = 3};
};

class CountingMouseHook final : public PopupMouseHook {
public:
    void install() override { ++installs; }
    void remove() override { ++removes; }
    int installs = 0, removes = 0;
};

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

class InputRig {
public:
    explicit InputRig(const sim::SimLayout& layout = sim::UsLayout())
        : sim(layout),
          popup(PopupList::Links{settings, characters, sim, sim, gesture, tutorial, view, screen,
                                 PopupSeams{.allCharacters = nullptr,
                                            .mouseHook = &mouse,
                                            .showHelp = [this](std::string_view t) {
                                                helpTopics.emplace_back(t);
                                            },
                                            .ensureServiceRunning = [this] { ++serviceChecks; },
                                            .letPendingEventsRun = [this] { pump(); }}}),
          handler(KeyHandler::Links{sim, sim, clock, settings, keys, popup, gesture, optionsOpen,
                                    tutorial, [this] { pump(); }}) {
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
        sim.installKeyboardHook(handler);
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

    sim::SimInput sim;
    sim::SimClock clock;
    RunningSettings settings;
    CharacterTable characters;
    KeyTable keys{};
    GestureFlags gesture;
    bool optionsOpen = false;
    TutorialSlot tutorial;
    RecordingView view;
    FixedScreen screen;
    CountingMouseHook mouse;
    std::vector<std::string> helpTopics;
    int serviceChecks = 0;
    PopupList popup;
    KeyHandler handler;
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
