// The keys the popup takes while it is shown: numbers, accent symbols, its own key again,
// Enter, Escape and Backspace, F1.
#include <algorithm>

#include "keys/key_translation.h"
#include "keys/menu_mask.h"
#include "keys/output.h"
#include "keys/virtual_keys.h"
#include "popup/accent_symbols.h"
#include "popup/popup_list.h"

namespace kz {

void PopupList::onPopupKey(int& keyCode, int shift) {
    platform::Keyboard& keyboard = links_.keyboard;
    const bool shiftDown = keyboard.asyncKeyDown(vk::kShift);
    const char ch = static_cast<char>(KeyToChar(keyboard, keyCode, shiftDown));
    Tutorial* tutorial = links_.tutorial.get();

    if (keyCode == vk::kF1 && (links_.settings.trigger != 5 || tutorial)) {
        if (links_.showHelp) links_.showHelp("usingzavora.htm");
    }
    if (mode_ == 2 && links_.allCharacters) {
        // Letters, digits and spaces typed after the trigger has gone find characters by name.
        if (!links_.gesture.triggerHeld &&
            links_.allCharacters->searchKey(keyCode, static_cast<unsigned char>(ch))) {
            return;
        }
        if (focusList_ == 1) {
            links_.allCharacters->topListKey(keyCode, shift);
        } else {
            links_.allCharacters->charactersListKey(keyCode, shift);
        }
    }
    pickByNumber(ch, keyCode);
    pickByAccent(ch, keyCode);
    if (keyCode == keyCode_ && mode_ == 1) stepWithRepeatedKey();
    if (keyCode == vk::kBack || keyCode == vk::kEscape) closeWithoutChoice();
    if (keyCode == vk::kReturn && (mode_ == 1 || (mode_ == 2 && focusList_ == 2))) insertChoice();
}

// "1" to "9" pick candidates 0 to 8 and "0" candidate 9, once the trigger is let go (or,
// for a digit key that opened the popup, once it has been let go since).
bool PopupList::pickByNumber(char ch, int& keyCode) {
    const GestureFlags& gesture = links_.gesture;
    if (ch < '0' || ch > '9' || mode_ != 1 || !links_.settings.showNumbers) return false;
    if (gesture.triggerHeld) return false;
    if (keyCode == keyCode_ && !gesture.triggerReleased) return false;
    const int index = ch == '0' ? 9 : ch - '1';
    if (index >= count()) return false;
    selected_ = index;
    keyCode = vk::kReturn;
    return true;
}

bool PopupList::pickByAccent(char ch, int& keyCode) {
    if (links_.gesture.triggerHeld) return false;
    // A letter key's code is its capital.
    const char keyChar = static_cast<char>(keyCode_ >= 'A' && keyCode_ <= 'Z' ? keyCode_ + 0x20 : keyCode_);
    // The byte is in the system's code page: 0xB4 is the acute accent in Western and
    // Central European ones, but a Cyrillic letter in another.
    const AccentSearch search =
        AccentSearchFor(links_.codePage.decodeByte(static_cast<std::uint8_t>(ch)).value_or(0), keyChar);
    if (search.first.empty()) return false;
    int found = findCandidateOfType(search.first);
    if (found == -1 && !search.second.empty()) found = findCandidateOfType(search.second);
    if (found < 0) return false;
    selected_ = found;
    keyCode = vk::kReturn;
    return true;
}

// Tapping the popup's own key steps through the list and wraps to the first candidate;
// while the trigger is held, letting it go then inserts.
void PopupList::stepWithRepeatedKey() {
    int next = selected_ + 1;
    if (next > count() - 1) next = 0;
    selectRow(next);
    insertOnRelease_ = links_.gesture.triggerHeld;
}

void PopupList::closeWithoutChoice() {
    if (Tutorial* tutorial = links_.tutorial.get()) tutorial->setStep(1, u"");
    ReleaseTriggerKeys(links_.input);
    setWidth(0);
    closeMouseHook();
}

void PopupList::insertChoice() {
    closeMouseHook();
    setWidth(0);
    std::optional<char16_t> chosen = chosenCharacter();
    const HeldKeys held = HeldCtrlAndAlt(links_.keyboard);  // the user's hands, before the release
    ReleaseTriggerKeys(links_.input);
    if (!chosen) return;  // nothing selected: the popup just closes
    if (caseSel_ == 1) {
        const CharacterRecord* record = links_.characters.find(*chosen);
        if (record && record->upperCode != 0) chosen = record->upperCode;
    }
    if (Tutorial* tutorial = links_.tutorial.get()) {
        const char16_t typed[1] = {*chosen};
        tutorial->setStep(4, std::u16string_view(typed, 1));
        tutorial->recordCompleted();
    } else {
        letPendingEventsRun();
        TypeUnicodeChar(links_.input, *chosen);
    }
    if (autoInserting_) {
        PressTriggerAgain(links_.input, held.list());
        // The Alt pressed again and then let go by the user would be a bare Alt for the
        // application, which would open its menu bar.
        const auto list = held.list();
        if (std::ranges::any_of(list, [](int key) { return key == vk::kLMenu || key == vk::kRMenu; })) {
            SendMenuMask(links_.input);
        }
    }
}

std::optional<char16_t> PopupList::chosenCharacter() const {
    if (mode_ == 1) {
        if (selected_ < 0 || selected_ >= count()) return std::nullopt;
        return keyChars_[selected_];
    }
    if (!links_.allCharacters) return std::nullopt;
    return links_.allCharacters->chosenCharacter(caseSel_);
}

}  // namespace kz
