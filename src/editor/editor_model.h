#pragma once
// The language editor without its window: a language name plus, for
// each key code, an ordered list of characters, edited on an on-screen keyboard.
//
//   EditorModel editor(links);            // the window loads: types, keyboard, key "1"
//   editor.LoadLanguage("French", true);  // Edit Language; Add Language skips this
//   ... the user works; each handler below is one event of the window ...
//   if (editor.pressButton(0)) close the window;  // OK: validate, save, close
//   editor.editedLanguageName()           // what the Options dialog reads afterwards
//
// After every handler the window shows the model's state again: the key buttons
// (captions, enabled, visible, font), the two frames, the type list, both lists with
// their selections and scroll bars, the name box and whether "Reset Language" is enabled.
// Focus changes go through EditorView; message boxes through the links' MessageBoxes.
// Saving writes one machine-wide value named like the language, then reads it back: when
// the store did not keep it, the user is told and the editor stays open with every edit.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "charset/ansi_table.h"
#include "editor/character_list.h"
#include "editor/editor_links.h"
#include "editor/key_buttons.h"
#include "editor/key_lists.h"

namespace kz::editor {

class EditorModel {
public:
    explicit EditorModel(EditorLinks links);

    // Fills the editor with the language `name` (a user value of that name first, else the
    // built-in record) and makes it the loaded name. "Reset Language" is enabled when a
    // built-in record of that name exists. With `firstKey` the key "1" is selected.
    void LoadLanguage(std::string_view name, bool firstKey);

    // --- the window's events ---
    void selectKey(int key);                  // a key of the on-screen keyboard
    void toggleShift();                       // Shift
    void selectType(int type);                // a character type (0-based)
    void pressAddRemove(int index);           // 0 Add, 1 Remove
    void pressMove(int index);                // 0 Up, 1 Down, 2 to Top, 3 to Bottom
    void resetLanguage();                     // Reset Language
    void nameChanged(std::string_view text);  // the name box
    // 0 OK, 1 Cancel, 2 Apply. True when the window closes.
    bool pressButton(int index);

    void leftListMouseDown(int y) { left_.mouseDown(y); }
    void rightListMouseDown(int y) { right_.mouseDown(y); }
    void leftListDoubleClick();   // Add, then the left list keeps the focus
    void rightListDoubleClick();  // Remove, then the right list keeps the focus
    void leftListKey(ListKey key) { left_.keyDown(key); }
    void rightListKey(ListKey key) { right_.keyDown(key); }
    void leftScrollChanged(int value) { left_.setScrollValue(value); }
    void rightScrollChanged(int value) { right_.setScrollValue(value); }
    // Scrolls the list that has the focus (its picture or its scroll bar); nothing when
    // the focus is elsewhere.
    void MouseWheel(int rotation, std::optional<ListSide> focused);

    // --- what the window draws ---
    const KeyButtons& keys() const { return keys_; }
    int selectedKey() const { return selectedKey_; }
    platform::TwipsBox selectedKeyFrame() const { return FrameOver(keys_[selectedKey_].place); }
    bool shiftOn() const { return shiftOn_; }
    platform::TwipsBox shiftFrame() const { return FrameOver(kShiftButton); }  // shown while shiftOn()
    const std::vector<std::string>& typeNames() const { return typeNames_; }
    std::optional<int> selectedType() const { return previousType_; }
    const CharacterList& leftList() const { return left_; }
    const CharacterList& rightList() const { return right_; }
    // The character a list row shows: the first code of its record, or the character
    // itself when the character table has no record of it.
    char16_t drawnCode(const ListEntry& entry) const;
    const CharacterRecord* recordOf(const ListEntry& entry) const;
    const std::string& name() const { return name_; }
    const std::string& loadedName() const { return loadedName_; }
    bool resetEnabled() const { return resetEnabled_; }

    // The key code of the selected key and its characters (none when its caption has no
    // ANSI code).
    std::optional<std::uint8_t> selectedKeyCode() const;
    const CandidateList& selectedKeyList() const;
    const KeyLists& keyLists() const { return lists_; }
    // The name under which the editor last saved a language; empty when it saved nothing.
    const std::string& editedLanguageName() const { return editedLanguageName_; }

private:
    void showKey(int key, bool keepSelection);
    void setButtonBoldState(int key);
    void setAllBoldStates();
    void add();
    void remove();
    bool save();
    bool validateName();
    void inform(std::string_view text);
    std::string readLanguageData() const;
    std::string lookup(std::string_view name, bool builtInOnly) const;
    CandidateList* editableKeyList();

    EditorLinks links_;
    AnsiTable ansi_;
    KeyButtons keys_;
    KeyLists lists_;
    std::vector<std::string> typeNames_;
    CharacterList left_;
    CharacterList right_;
    int selectedKey_ = kFirstKey;
    std::optional<int> previousType_;
    bool shiftOn_ = false;
    std::string name_;
    std::string loadedName_;
    bool resetEnabled_ = false;
    std::string dataText_;  // data.dat as last read
    std::string editedLanguageName_;
};

}  // namespace kz::editor
