#pragma once
// The popup's links to parts of the program that come later or live elsewhere: the
// all-characters screen, the mouse hook, help, the service instance and the message pump.
// Each may be left empty: the popup then does without it.
#include <functional>
#include <optional>
#include <string_view>

namespace kz {

// The all-characters screen (mode 2).
class AllCharactersScreen {
public:
    virtual ~AllCharactersScreen() = default;
    // Type names, data text, `loadLanguageList` and `LoadState`, at each opening.
    virtual void load() = 0;
    // `SaveState`, whenever the popup is hidden in mode 2.
    virtual void saveState() = 0;
    // `Picture1_KeyDown` (the characters list) and `Picture2_KeyDown` (the top list).
    virtual void picture1KeyDown(int keyCode, int shift) = 0;
    virtual void picture2KeyDown(int keyCode, int shift) = 0;
    // The character the characters list has selected, in case `caseSel` (the record's
    // upper-case partner for 1 when it has one); empty when the list is empty.
    virtual std::optional<char16_t> chosenCharacter(int caseSel) const = 0;
    // `redrawlist`.
    virtual void redrawlist() = 0;
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

struct PopupSeams {
    AllCharactersScreen* allCharacters = nullptr;
    PopupMouseHook* mouseHook = nullptr;
    // Opens a topic of the help file ("usingzavora.htm").
    std::function<void(std::string_view topic)> showHelp;
    // Starts the service instance when it is not running.
    std::function<void()> ensureServiceRunning;
    // Lets the window messages that are waiting run once (on Windows this also delivers
    // the input we just synthesised to our own hook).
    std::function<void()> letPendingEventsRun;
};

}  // namespace kz
