#include "input/key_handler.h"

#include <string_view>
#include <utility>

#include "keys/menu_mask.h"
#include "input/trigger_keys.h"
#include "keys/virtual_keys.h"
#include "popup/popup_list.h"

namespace kz {
namespace {

constexpr std::uint64_t kRecentMs = 500;

constexpr bool IsCtrlKey(int key) {
    return key == vk::kControl || key == vk::kLControl || key == vk::kRControl;
}

constexpr bool IsAltKey(int key) {
    return key == vk::kMenu || key == vk::kLMenu || key == vk::kRMenu;
}

// Keys that reach the application even while the popup is shown.
constexpr bool PassesThroughPopup(int key) {
    return key == vk::kSnapshot || key == vk::kPrint || vk::IsModifier(key) ||
           vk::IsFunctionKey(key);
}

bool Recent(bool known, std::uint64_t then, std::uint64_t now) {
    return known && now >= then && now - then < kRecentMs;
}

// `c` as UTF-8 into `out`; returns the length.
std::size_t EncodeUtf8(char16_t c, char (&out)[3]) {
    if (c < 0x80) {
        out[0] = static_cast<char>(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = static_cast<char>(0xC0 | (c >> 6));
        out[1] = static_cast<char>(0x80 | (c & 0x3F));
        return 2;
    }
    out[0] = static_cast<char>(0xE0 | (c >> 12));
    out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (c & 0x3F));
    return 3;
}

}  // namespace

AnsiDecodeTable MakeAnsiDecodeTable(const platform::CodePage& codePage) {
    AnsiDecodeTable table{};
    for (int i = 0; i < 256; ++i) {
        table[i] = codePage.decodeByte(static_cast<std::uint8_t>(i)).value_or(u'\0');
    }
    return table;
}

bool KeyHandler::handle(const platform::KeyEvent& event) noexcept {
    // Our own menu mask passes untouched; so does everything while Options is open. So does
    // a Unicode stroke: it holds no key, so it can neither arm nor choose anything, and
    // the character we type ourselves arrives while a function-key trigger still counts
    // as held, which would otherwise swallow it.
    if (event.extraInfo == kMenuMaskTag || links_.optionsOpen || event.vk == platform::kPacketKey) {
        return false;
    }
    // Opening the popup lets waiting messages run, which may hand us the next events
    // before this one is answered: each event keeps its own answer.
    const bool outerAnswer = swallow_;
    swallow_ = false;
    maskSent_ = false;
    try {
        decide(event);
    } catch (...) {
        // A failing step leaves the answer as it stood; typing goes on.
    }
    return std::exchange(swallow_, outerAnswer);
}

void KeyHandler::settingsSaved() {
    state_.fkeyRecent = false;
    state_.fkeyHeld = false;
    state_.fkeyTimeKnown = false;
}

// Swallows the event. A key-down swallowed while Alt is down would leave the application
// with a bare Alt press and release, which opens its menu bar: the mask prevents that.
// A key-up of a key that is down for the system always passes: swallowed, it would leave
// that key down for every application until the user pressed it again.
void KeyHandler::swallowHere(const platform::KeyEvent& event) {
    const int key = static_cast<int>(event.vk);
    if (event.isUp() && links_.keyboard.asyncKeyDown(key)) return;
    swallow_ = true;
    if (maskSent_ || event.isUp() || IsAltKey(key) || !AltDown(links_.keyboard)) return;
    maskSent_ = true;
    SendMenuMask(links_.input);
}

bool KeyHandler::disabledKey(AnsiChar ch) const {
    const std::string& text = links_.settings.disableKeys;
    if (text.empty()) return false;
    char utf8[3];
    const std::size_t length = EncodeUtf8(links_.ansi[ch], utf8);
    return std::string_view(text).find(std::string_view(utf8, length)) != std::string_view::npos;
}

// One event from the trigger's bookkeeping to the popup and the tutorial; each step may
// end the decision early, leaving the answer as it stands.
void KeyHandler::decide(const platform::KeyEvent& event) {
    const bool tutorialOpen = links_.tutorial.get() != nullptr;
    const int trigger = tutorialOpen ? 0 : links_.settings.trigger;
    const EventFacts facts{.key = static_cast<int>(event.vk),
                           .isUp = event.isUp(),
                           .shiftDown = links_.keyboard.asyncKeyDown(vk::kShift),
                           .tutorialOpen = tutorialOpen,
                           .trigger = trigger,
                           .keys = TriggerKeysFor(trigger)};

    trackCtrlAndFunctionKey(event, facts);
    updateTriggerHeld(facts);
    // While the popup is shown its keys come first: the accent symbols a dead-key layout
    // types with dead keys pick candidates instead of waiting in the application.
    if (!links_.popup.shown() && deadKeyPasses(facts)) return;
    const bool triggerRelease = releaseTrigger(facts);
    if (links_.popup.shown() && !facts.isUp) passKeyToPopup(event, facts);

    const AnsiChar ch = KeyToChar(links_.keyboard, facts.key, facts.shiftDown);
    if (disabledKey(ch)) return;
    const CandidateList* entry = nullptr;
    bool noCharacters = false;
    if (links_.gesture.triggerHeld && !facts.isUp && !vk::IsModifier(facts.key) && !vk::IsFunctionKey(facts.key)) {
        entry = &links_.keyTable[links_.lower[ch]];
        if (entry->empty() && links_.settings.disableOtherKeys && !tutorialOpen) return;
        swallowHere(event);
        if (entry->empty() && tutorialOpen) {
            noCharacters = true;
            links_.popup.setWidth(0);
        }
    }

    int step = tutorialStep(facts, triggerRelease);
    if (entry && openPopup(facts, *entry) && tutorialOpen) step = 3;
    reportToTutorial(step, noCharacters);
}

// Ctrl (low-level events name the side, 162 and 163; injected ones may use 17) and the
// trigger's function key count as held for a moment after they went up. The function key
// never reaches the application, and neither does any other key but the modifiers while
// it counts as held.
void KeyHandler::trackCtrlAndFunctionKey(const platform::KeyEvent& event, const EventFacts& facts) {
    HandlerState& s = state_;
    const std::uint64_t now = links_.clock.milliseconds();
    if (IsCtrlKey(facts.key)) {
        s.ctrlHeld = !facts.isUp;
        if (!facts.isUp) {
            s.ctrlTime = now;
            s.ctrlTimeKnown = true;
        }
    }
    s.ctrlRecent = s.ctrlHeld || Recent(s.ctrlTimeKnown, s.ctrlTime, now);

    if (facts.keys.fkey != 0 && facts.key == facts.keys.fkey) {
        s.fkeyHeld = !facts.isUp;
        if (!facts.isUp) {
            s.fkeyTime = now;
            s.fkeyTimeKnown = true;
        }
    }
    s.fkeyRecent = s.fkeyHeld || Recent(s.fkeyTimeKnown, s.fkeyTime, now);
    // Shift, Ctrl and Alt type nothing and always pass, so the system's idea of them stays
    // the user's: a swallowed Shift would turn the "2" that picks a candidate into "@".
    if (s.fkeyRecent && !vk::IsModifier(facts.key) &&
        (facts.trigger <= 4 || links_.keyboard.asyncKeyDown(vk::kControl) || s.ctrlRecent)) {
        swallowHere(event);
    }
}

// Whether the trigger is held, and which key's release completes the gesture.
void KeyHandler::updateTriggerHeld(const EventFacts& facts) {
    HandlerState& s = state_;
    GestureFlags& gesture = links_.gesture;
    const auto down = [this](int k) { return links_.keyboard.asyncKeyDown(k); };
    const int trigger = facts.trigger;
    const int fkey = facts.keys.fkey;
    if (trigger == 0) {
        gesture.triggerHeld = down(vk::kRMenu);
        s.completingKey = vk::kRMenu;
    } else if (trigger == 1) {
        const bool ctrlDown = down(vk::kControl);
        const bool leftAltDown = down(vk::kLMenu);
        gesture.triggerHeld = (ctrlDown || s.ctrlRecent) && leftAltDown && !down(vk::kRMenu);
        s.completingKey = ctrlDown ? vk::kLMenu : leftAltDown ? vk::kControl : -100;
    } else if (trigger >= 2 && trigger <= 4) {
        gesture.triggerHeld = down(fkey) || s.fkeyRecent;
        s.completingKey = fkey;
    } else if (trigger >= 5 && trigger <= 17) {
        const bool ctrlDown = down(vk::kControl);
        const bool fkeyDown = down(fkey);
        gesture.triggerHeld = (fkeyDown || s.fkeyRecent) && (ctrlDown || s.ctrlRecent);
        s.completingKey = ctrlDown ? fkey : fkeyDown ? vk::kControl : fkey;
    }
}

// Dead keys, and the key after one when the trigger is not held, reach the application:
// true when this event is one of them.
bool KeyHandler::deadKeyPasses(const EventFacts& facts) {
    HandlerState& s = state_;
    if (s.deadKeyPending) {
        if (!facts.isUp && !vk::IsModifier(facts.key)) s.deadKeyPending = false;
        if (!links_.gesture.triggerHeld) return true;
        s.deadKeyPending = false;
    }
    if (IsDeadKey(links_.keyboard, facts.key, facts.shiftDown)) {
        s.deadKeyPending = true;
        return true;
    }
    return false;
}

// The trigger's release inserts the pending choice, or highlights the first candidate.
// True when this event is that release.
bool KeyHandler::releaseTrigger(const EventFacts& facts) {
    PopupList& popup = links_.popup;
    const int key = facts.key;
    const bool triggerRelease =
        facts.isUp && (key == facts.keys.mod1 || key == state_.completingKey || key == facts.keys.mod2);
    if (triggerRelease) {
        links_.gesture.triggerReleased = true;
        if (popup.shown() && popup.insertOnRelease()) {
            int enter = vk::kReturn;
            popup.onPopupKey(enter, 0);
        } else if (popup.shown() && popup.selected() == kNothingSelected) {
            popup.selectRow(0);
        }
    }
    if (popup.shown() && facts.isUp && key == popup.keyCode()) state_.openingKeyDown = false;
    return triggerRelease;
}

// While the popup is shown it takes every key-down.
void KeyHandler::passKeyToPopup(const platform::KeyEvent& event, const EventFacts& facts) {
    PopupList& popup = links_.popup;
    const int key = facts.key;
    // Decided before the popup acts, so that the menu mask goes out ahead of anything the
    // popup types.
    if (!PassesThroughPopup(key)) swallowHere(event);
    const int shift = links_.keyboard.asyncKeyDown(vk::kShift) ? -1 : 0;
    int keyCode = key;
    if (key != popup.keyCode()) {
        popup.onPopupKey(keyCode, shift);
    } else if (!state_.openingKeyDown) {  // its auto-repeat is dropped
        state_.openingKeyDown = true;
        popup.onPopupKey(keyCode, shift);
    }
    if (popup.mode() == 1) {
        if (key == vk::kDown) popup.selectRow(popup.selected() + 1);
        if (key == vk::kUp) popup.selectRow(popup.selected() - 1);
    }
    if (key == vk::kLeft) popup.selectCase(0);
    if (key == vk::kRight) popup.selectCase(1);
}

// The tutorial's step for this event (0: none): 1 to start again, 2 while the trigger is
// held with the popup hidden.
int KeyHandler::tutorialStep(const EventFacts& facts, bool triggerRelease) const {
    const Tutorial* tutorial = links_.tutorial.get();
    if (tutorial == nullptr) return 0;
    const bool hidden = !links_.popup.shown();
    const bool atStepFour = tutorial->shownStep() == "4";
    if (links_.gesture.triggerHeld || facts.key == state_.completingKey) {
        if (!triggerRelease && hidden) return 2;
        if (triggerRelease && hidden && !atStepFour) return 1;
        return 0;
    }
    return hidden && !atStepFour ? 1 : 0;
}

// Opens the popup on the key's candidates (the all-characters screen for space), unless it
// shows them already and the trigger is still held. True when it opened.
bool KeyHandler::openPopup(const EventFacts& facts, const CandidateList& entry) {
    PopupList& popup = links_.popup;
    GestureFlags& gesture = links_.gesture;
    const int key = facts.key;
    if (entry.empty() || (key == popup.keyCode() && popup.shown() && !gesture.triggerReleased)) return false;
    const bool capsLock = CapsLockOn(links_.keyboard);
    const int caseSel = (capsLock != facts.shiftDown) ? 1 : 0;  // upper when exactly one is on
    popup.setInsertOnRelease(false);
    if (key == vk::kSpace) {
        gesture.triggerReleased = true;
        popup.setMode(2);
    } else {
        gesture.triggerReleased = false;
        popup.setTopRow(0);
        popup.setKeyChars(entry);
        popup.setMode(1);
        popup.selectRow(kNothingSelected);
    }
    popup.setKeyCode(key);
    state_.openingKeyDown = true;
    popup.setWidth(popup.DefaultWidth());
    if (popup.shown()) {
        popup.installMouseHook();
        popup.selectCase(caseSel);
    }
    return true;
}

void KeyHandler::reportToTutorial(int step, bool noCharacters) {
    Tutorial* tutorial = links_.tutorial.get();
    if (tutorial == nullptr) return;
    if (noCharacters) step = 2;
    if (step != 0) tutorial->setStep(step, u"");
    if (noCharacters) tutorial->displayError("There are no characters associated with that key", 2000);
}

}  // namespace kz
