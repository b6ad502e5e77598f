#pragma once
// The key handler: for every key event of the desktop it decides whether the user is
// holding the trigger, opens the popup for a key with characters, passes keys to the popup
// while it is shown, and answers swallow or pass. It reads the keyboard and talks to the
// popup through interfaces only; the hook procedure just copies the event and calls
// onKeyEvent.
#include <array>
#include <cstdint>
#include <functional>

#include "charset/key_table.h"
#include "keys/gesture_flags.h"
#include "keys/key_translation.h"
#include "input/trigger_keys.h"
#include "keys/tutorial_link.h"
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/hooks.h"
#include "platform/keyboard.h"
#include "platform/synth_input.h"
#include "settings/running_settings.h"

namespace kz {

class PopupList;

// The system's ANSI code page, one entry per byte; the disable-keys text is UTF-8, the
// layout answers in ANSI codes.
using AnsiDecodeTable = std::array<char16_t, 256>;
// The table of the system's code page; a byte that is no character on its own maps to 0.
AnsiDecodeTable MakeAnsiDecodeTable(const platform::CodePage& codePage);

// The handler's memory between events.
struct HandlerState {
    bool ctrlHeld = false;
    std::uint64_t ctrlTime = 0;  // milliseconds on the handler's clock
    bool ctrlTimeKnown = false;  // a Ctrl key has gone down at least once
    bool ctrlRecent = false;
    bool fkeyHeld = false;
    std::uint64_t fkeyTime = 0;
    bool fkeyTimeKnown = false;
    bool fkeyRecent = false;
    int completingKey = -100;  // the trigger key whose release ends the gesture
    bool deadKeyPending = false;
    bool openingKeyDown = false;
};

class KeyHandler final : public platform::KeyEventSink {
public:
    struct Links {
        platform::Keyboard& keyboard;
        platform::SyntheticInput& input;  // for the menu mask only
        const platform::Clock& clock;
        const RunningSettings& settings;
        const KeyTable& keyTable;
        PopupList& popup;
        GestureFlags& gesture;
        const bool& optionsOpen;
        const TutorialLink& tutorial;
        const AnsiDecodeTable& ansi;
        const LowerCaseTable& lower;
    };

    explicit KeyHandler(Links links) : links_(std::move(links)) {}

    // The decision for one event: true swallows it.
    bool handle(const platform::KeyEvent& event) noexcept;
    bool onKeyEvent(const platform::KeyEvent& event) noexcept override { return handle(event); }

    // Saving the settings forgets the function key, so a new trigger starts from rest.
    void settingsSaved();

    const HandlerState& state() const { return state_; }
    const GestureFlags& gesture() const { return links_.gesture; }

private:
    // What the steps of one decision read about the event.
    struct EventFacts {
        int key = 0;
        bool isUp = false;
        bool shiftDown = false;
        bool tutorialOpen = false;
        int trigger = 0;  // 0 (Alt Gr) while the tutorial is open
        TriggerKeys keys;
    };

    void decide(const platform::KeyEvent& event);
    void trackCtrlAndFunctionKey(const platform::KeyEvent& event, const EventFacts& facts);
    void updateTriggerHeld(const EventFacts& facts);
    bool deadKeyPasses(const EventFacts& facts);
    bool releaseTrigger(const EventFacts& facts);
    void passKeyToPopup(const platform::KeyEvent& event, const EventFacts& facts);
    int tutorialStep(const EventFacts& facts, bool triggerRelease) const;
    bool openPopup(const EventFacts& facts, const CandidateList& entry);
    void reportToTutorial(int step, bool noCharacters);
    void swallowHere(const platform::KeyEvent& event);
    bool disabledKey(AnsiChar ch) const;

    Links links_;
    HandlerState state_;
    bool swallow_ = false;   // the answer for the event being decided
    bool maskSent_ = false;  // for the event being decided
};

}  // namespace kz
