#pragma once
// The all-characters screen: the popup in mode 2. On top, the list of character types or
// of languages (five rows, with its scroll bar); below, the characters of the
// chosen type or language (seven rows, with its scroll bar). The screen
// reloads its data at each opening, restores its selections when `RememberState` is on,
// takes the navigation keys and the mouse, and finds characters by name while the user
// types letters.
//
// The window shows it through AllCharactersView and draws the lists from
// topListDrawState() and characterListDrawState() with all_characters_draw.h.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "charset/ansi_table.h"
#include "charset/character_table.h"
#include "popup/all_characters_data.h"
#include "popup/all_characters_draw.h"
#include "popup/character_search.h"
#include "popup/popup_links.h"
#include "popup/scroll_bar_model.h"
#include "settings/running_settings.h"
#include "settings/settings_store.h"

namespace kz {

class PopupList;

// What the screen asks of the window that shows it.
class AllCharactersView {
public:
    virtual ~AllCharactersView() = default;
    // Paints the top list again (topListDrawState()).
    virtual void redrawTopList() = 0;
    // Paints the characters list again (characterListDrawState()).
    virtual void redrawList() = 0;
    // The chosen option or a caption changed (optionIndex(), topCaption(), charactersCaption()).
    virtual void captionsChanged() = 0;
};

class AllCharacters final : public AllCharactersScreen {
public:
    struct Links {
        SettingsStore& store;
        const RunningSettings& settings;
        const CharacterTable& characters;
        const AnsiTable& ansi;
        // Reads the data files and the language order (see prepare).
        std::function<AllCharactersData()> loadData;
        PopupList& popup;  // focusList and caseSel
        AllCharactersView& view;
        // Runs work at the program's next message pass, outside the keyboard hook's
        // callback. Unset, every opening reads its data itself.
        std::function<void(std::function<void()>)> runLater = {};
    };

    explicit AllCharacters(Links links);
    AllCharacters(const AllCharacters&) = delete;
    AllCharacters& operator=(const AllCharacters&) = delete;

    // Reads the data files and indexes the names for the next opening. The screen opens
    // inside the keyboard hook's callback, which the system cuts off when it runs long, so
    // the program reads ahead: at start-up, when the languages change, and after each
    // opening at the next message pass.
    void prepare();

    // --- AllCharactersScreen: what the popup calls.
    void load() override;
    void saveState() override { writeState(); }
    void charactersListKey(int keyCode, int shift) override { charactersListKeyDown(keyCode, shift); }
    void topListKey(int keyCode, int shift) override { topListKeyDown(keyCode, shift); }
    std::optional<char16_t> chosenCharacter(int caseSel) const override;
    void redrawCharacterList() override;
    bool searchKey(int keyCode, unsigned char typed) override;

    // --- The screen's routines.
    void readState();
    void writeState();
    void listCharactersOfType();
    void listCharactersOfLanguage();
    // 0 character types, 1 languages; the top list gets the keys.
    void optionMouseDown(int index);
    // Down, Up, Page Down and Page Up in the characters list and in the top list.
    void charactersListKeyDown(int keyCode, int shift);
    void topListKeyDown(int keyCode, int shift);

    // --- The mouse (coordinates in twips from the control's top left corner).
    // A press in the characters list selects the row under the pointer and gives that list
    // the keys.
    void charactersListMouseDown(int yTwips);
    // A press in the top list gives it the keys and chooses the type or language under
    // the pointer.
    void topListMouseDown(int yTwips);
    // The pointer moved over a scroll bar: that bar's list gets the keys, and with the left
    // button down (bit 1 of `button`) the thumb follows the pointer.
    void charactersBarMouseMove(int button, int shift, int xTwips, int yTwips);
    void topBarMouseMove(int button, int shift, int xTwips, int yTwips);

    // --- State, for the window and the tests.
    int optionIndex() const { return option_; }
    const std::vector<std::string>& groupNames() const { return types_.names; }
    int groupSel() const { return groupSel_; }
    const std::vector<std::string>& languageNames() const { return languageNames_; }
    int languageSel() const { return languageSel_; }
    const std::vector<int>& gridChars() const { return gridChars_; }
    int gridSel() const { return gridSel_; }
    int listKey() const { return listKey_; }
    const std::string& dataText() const { return dataText_; }
    const std::string& searchText() const { return searchText_; }
    // The scroll bars beside the characters list and beside the top list. The window sets
    // their window handles and heights and reports the user's scrolling with scrollTo.
    ScrollBarModel& charactersBar() { return charactersBar_; }
    ScrollBarModel& topBar() { return topBar_; }
    const ScrollBarModel& charactersBar() const { return charactersBar_; }
    const ScrollBarModel& topBar() const { return topBar_; }

    // The captions of option button `index`, of the top list and of the characters list
    // (the search text while there is one).
    static std::string_view optionCaption(int index);
    std::string topCaption() const;
    std::string charactersCaption() const;

    TextListDrawState topListDrawState() const;
    CharacterListDrawState characterListDrawState() const;

private:
    const std::vector<std::string>& topList() const;
    int& topSel();
    void fillCharacters();
    void doAddLanguageChars(std::string_view codes);
    void finishFill(int key, int maximum);
    void setTopBarFor(int selection);
    void clearSearch();
    void runSearch();
    void dragThumb(ScrollBarModel& bar, int button, int yTwips);

    struct Prepared {
        AllCharactersData data;
        CharacterSearch search;
    };

    Links links_;
    std::optional<Prepared> prepared_;
    int option_ = 0;
    CharacterTypes types_;
    std::vector<std::string> languageNames_;
    std::string dataText_;
    int groupSel_ = 0;
    int languageSel_ = 0;
    std::vector<int> gridChars_;
    int gridSel_ = 0;
    int listKey_ = 0;
    ScrollBarModel charactersBar_;
    ScrollBarModel topBar_;
    CharacterSearch search_;
    std::string searchText_;
};

// `FindInList`: the first entry equal to `text`, letter case ignored; 0 when none is.
int FindInList(const std::vector<std::string>& list, std::string_view text);

}  // namespace kz
