#include "input/key_handler.h"

#include <string_view>

#include "input/menu_mask.h"
#include "input/trigger_keys.h"
#include "input/virtual_keys.h"
#include "popup/popup_list.h"

namespace kz {
namespace {

constexpr std::uint64_t kRecentMs = 500;
constexpr std::uint32_t kPacketKey = 0xE7;  // VK_PACKET: what the hook sees of a Unicode stroke

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

constexpr AnsiDecodeTable MakeLatin1() {
    AnsiDecodeTable table{};
    for (int i = 0; i < 256; ++i) table[i] = static_cast<char16_t>(i);
    return table;
}

}  // namespace

const AnsiDecodeTable& Latin1DecodeTable() {
    static constexpr AnsiDecodeTable kTable = MakeLatin1();
    return kTable;
}

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
    if (event.extraInfo == kMenuMaskTag || links_.optionsOpen || event.vk == kPacketKey) {
        return false;
    }
    bool swallow = false;
    maskSent_ = false;
    try {
        decide(event, swallow);
    } catch (...) {
        // A failing step leaves the answer as it stood; typing goes on.
    }
    return swallow;
}

void KeyHandler::settingsSaved() {
    state_.fkeyRecent = false;
    state_.fkeyHeld = false;
    state_.fkeyTimeKnown = false;
}

// Swallows the event. A key-down swallowed while Alt is down would leave the application
// with a bare Alt press and release, which opens its menu bar: the mask prevents that.
void KeyHandler::swallowHere(const platform::KeyEvent& event, bool& swallow) {
    swallow = true;
    const int key = static_cast<int>(event.vk);
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

// Returns true when the handler ended early ("return" in the steps below).
bool KeyHandler::decide(const platform::KeyEvent& event, bool& swallow) {
    platform::Keyboard& keyboard = links_.keyboard;
    PopupList& popup = links_.popup;
    GestureFlags& gesture = links_.gesture;
    HandlerState& s = state_;
    const int key = static_cast<int>(event.vk);
    const bool isUp = event.isUp();

    const bool tutorialOpen = links_.tutorial.get() != nullptr;
    const int trigger = tutorialOpen ? 0 : links_.settings.trigger;
    const bool shiftDown = keyboard.asyncKeyDown(vk::kShift);
    const std::uint64_t now = links_.clock.milliseconds();
    const TriggerKeys keys = TriggerKeysFor(trigger);

    // Ctrl: low-level events name the side (162, 163); injected ones may use 17.
    if (IsCtrlKey(key)) {
        s.ctrlHeld = !isUp;
        if (!isUp) {
            s.ctrlTime = now;
            s.ctrlTimeKnown = true;
        }
    }
    s.ctrlRecent = s.ctrlHeld || Recent(s.ctrlTimeKnown, s.ctrlTime, now);

    // The trigger's function key never reaches the application, and neither does any other
    // key while it counts as held.
    if (keys.fkey != 0 && key == keys.fkey) {
        s.fkeyHeld = !isUp;
        if (!isUp) {
            s.fkeyTime = now;
            s.fkeyTimeKnown = true;
        }
    }
    s.fkeyRecent = s.fkeyHeld || Recent(s.fkeyTimeKnown, s.fkeyTime, now);
    if (s.fkeyRecent &&
        (trigger <= 4 || keyboard.asyncKeyDown(vk::kControl) || s.ctrlRecent)) {
        swallowHere(event, swallow);
    }

    // Trigger state.
    const auto down = [&](int k) { return keyboard.asyncKeyDown(k); };
    if (trigger == 0) {
        gesture.triggerHeld = down(vk::kRMenu);
        s.completingKey = vk::kRMenu;
    } else if (trigger == 1) {
        const bool ctrlDown = down(vk::kControl);
        const bool leftAltDown = down(vk::kLMenu);
        gesture.triggerHeld = (ctrlDown || s.ctrlRecent) && leftAltDown && !down(vk::kRMenu);
        s.completingKey = ctrlDown ? vk::kLMenu : leftAltDown ? vk::kControl : -100;
    } else if (trigger >= 2 && trigger <= 4) {
        gesture.triggerHeld = down(keys.fkey) || s.fkeyRecent;
        s.completingKey = keys.fkey;
    } else if (trigger >= 5 && trigger <= 17) {
        const bool ctrlDown = down(vk::kControl);
        const bool fkeyDown = down(keys.fkey);
        gesture.triggerHeld = (fkeyDown || s.fkeyRecent) && (ctrlDown || s.ctrlRecent);
        s.completingKey = ctrlDown ? keys.fkey : fkeyDown ? vk::kControl : keys.fkey;
    }

    // Dead keys, and the key after one when the trigger is not held, reach the application.
    if (s.deadKeyPending) {
        if (!isUp && !vk::IsModifier(key)) s.deadKeyPending = false;
        if (!gesture.triggerHeld) return true;
        s.deadKeyPending = false;
    }
    if (IsDeadKey(keyboard, key, shiftDown)) {
        s.deadKeyPending = true;
        return true;
    }

    // The trigger's release inserts the pending choice, or highlights the first candidate.
    const bool triggerRelease =
        isUp && (key == keys.mod1 || key == s.completingKey || key == keys.mod2);
    if (triggerRelease) {
        gesture.triggerReleased = true;
        if (popup.shown() && popup.insertOnRelease()) {
            int enter = vk::kReturn;
            popup.Form_KeyDown(enter, 0);
        } else if (popup.shown() && popup.selected() == kNothingSelected) {
            popup.makeselected(0);
        }
    }
    if (popup.shown() && isUp && key == popup.keyCode()) s.openingKeyDown = false;

    // While the popup is shown it takes every key-down.
    if (popup.shown() && !isUp) {
        // Decided before the popup acts, so that the menu mask goes out ahead of anything
        // the popup types.
        if (!PassesThroughPopup(key)) swallowHere(event, swallow);
        const int shift = down(vk::kShift) ? -1 : 0;
        int keyCode = key;
        if (key != popup.keyCode()) {
            popup.Form_KeyDown(keyCode, shift);
        } else if (!s.openingKeyDown) {  // its auto-repeat is dropped
            s.openingKeyDown = true;
            popup.Form_KeyDown(keyCode, shift);
        }
        if (popup.mode() == 1) {
            if (key == vk::kDown) popup.makeselected(popup.selected() + 1);
            if (key == vk::kUp) popup.makeselected(popup.selected() - 1);
        }
        if (key == vk::kLeft) popup.makeselected_case(0);
        if (key == vk::kRight) popup.makeselected_case(1);
    }

    const AnsiChar ch = KeyToChar(keyboard, key, shiftDown);
    if (disabledKey(ch)) return true;

    const CandidateList* entry = nullptr;
    bool noCharacters = false;
    if (gesture.triggerHeld && !isUp && !vk::IsModifier(key) && !vk::IsFunctionKey(key)) {
        entry = &links_.keyTable[LowerAnsi(ch)];
        if (entry->empty() && links_.settings.disableOtherKeys && !tutorialOpen) return true;
        swallowHere(event, swallow);
        if (entry->empty() && tutorialOpen) {
            noCharacters = true;
            popup.setWidth(0);
        }
    }

    int step = 0;
    if (const Tutorial* tutorial = links_.tutorial.get()) {
        const bool hidden = !popup.shown();
        const bool atStepFour = tutorial->shownStep() == "4";
        if (gesture.triggerHeld || key == s.completingKey) {
            if (triggerRelease && hidden && !atStepFour) step = 1;
            if (!triggerRelease && hidden) step = 2;
        } else if (hidden && !atStepFour) {
            step = 1;
        }
    }

    if (entry && !entry->empty() &&
        (key != popup.keyCode() || !popup.shown() || gesture.triggerReleased)) {
        const bool capsLock = CapsLockOn(keyboard);
        const int caseSel = (capsLock != shiftDown) ? 1 : 0;  // upper when exactly one is on
        popup.setInsertOnRelease(false);
        if (key == vk::kSpace) {
            gesture.triggerReleased = true;
            popup.setMode(2);
        } else {
            gesture.triggerReleased = false;
            popup.setTopRow(0);
            popup.setKeyChars(*entry);
            popup.setMode(1);
            popup.makeselected(kNothingSelected);
        }
        popup.setKeyCode(key);
        s.openingKeyDown = true;
        popup.setWidth(popup.DefaultWidth());
        if (popup.shown()) {
            popup.installMouseHook();
            popup.makeselected_case(caseSel);
        }
        if (tutorialOpen) step = 3;
        if (links_.letPendingEventsRun) links_.letPendingEventsRun();
    }

    if (Tutorial* tutorial = links_.tutorial.get()) {
        if (noCharacters) step = 2;
        if (step != 0) tutorial->setStep(step, u"");
        if (noCharacters) {
            tutorial->displayError("There are no characters associated with that key", 2000);
        }
    }
    return false;
}

}  // namespace kz
