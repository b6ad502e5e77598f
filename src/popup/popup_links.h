#pragma once
// What the popup reaches through its links that may be left empty: the all-characters
// screen and the mouse hook.
#include <optional>
#include <string_view>

namespace kz {

// The all-characters screen (mode 2).
class AllCharactersScreen {
public:
    virtual ~AllCharactersScreen() = default;
    // Reads the type names, the data text, the language list and the saved selection, at
    // each opening.
    virtual void load() = 0;
    // Stores the selection, whenever the popup hides the all-characters screen.
    virtual void saveState() = 0;
    // A key-down for the characters list and for the top list.
    virtual void charactersListKey(int keyCode, int shift) = 0;
    virtual void topListKey(int keyCode, int shift) = 0;
    // The character the characters list has selected, in case `caseSel` (the record's
    // upper-case partner for 1 when it has one); empty when the list is empty.
    virtual std::optional<char16_t> chosenCharacter(int caseSel) const = 0;
    // Paints the characters list again.
    virtual void redrawCharacterList() = 0;
    // A key for the search by name (`typed` is the character it types, 0 for none): true
    // when the search took it, and the popup then does nothing more with it.
    virtual bool searchKey(int /*keyCode*/, unsigned char /*typed*/) { return false; }
};

// The mouse hook that serves the popup while it is shown.
class PopupMouseHook {
public:
    virtual ~PopupMouseHook() = default;
    virtual void install() = 0;
    virtual void remove() = 0;
};


}  // namespace kz
