#pragma once
// The popup that offers the characters of one key (mode 1) or every character
// (mode 2, the all-characters screen). This is its model: the public fields the key
// handler reads and writes, the candidate list with its selection and scrolling, the
// layout and placement, the keys it takes, and the automatic insert. The window that
// shows it implements PopupView and draws from the const accessors.
#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

#include "charset/character_table.h"
#include "charset/key_table.h"
#include "keys/gesture_flags.h"
#include "keys/tutorial_link.h"
#include "platform/code_page.h"
#include "platform/keyboard.h"
#include "platform/synth_input.h"
#include "popup/popup_draw_state.h"
#include "popup/popup_render_layout.h"
#include "popup/popup_links.h"
#include "popup/popup_view.h"
#include "settings/running_settings.h"

namespace kz {

class PopupList {
public:
    struct Links {
        const RunningSettings& settings;
        const CharacterTable& characters;
        platform::Keyboard& keyboard;
        const platform::CodePage& codePage;  // what the keyboard's ANSI characters stand for
        platform::SyntheticInput& input;
        const GestureFlags& gesture;
        const TutorialLink& tutorial;
        PopupView& view;
        const ScreenSource& screen;
        // Links that may be left empty: the popup then does without them.
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

    explicit PopupList(Links links);
    PopupList(const PopupList&) = delete;
    PopupList& operator=(const PopupList&) = delete;

    // --- The public fields.
    int topRow() const { return topRow_; }
    void setTopRow(int row) { topRow_ = row; }
    int selected() const { return selected_; }
    const CandidateList& keyChars() const { return keyChars_; }
    void setKeyChars(const CandidateList& chars) { keyChars_.assign(chars.begin(), chars.end()); }
    int mode() const { return mode_; }
    void setMode(int mode) { mode_ = mode; }
    int keyCode() const { return keyCode_; }
    void setKeyCode(int vk) { keyCode_ = vk; }
    bool insertOnRelease() const { return insertOnRelease_; }
    void setInsertOnRelease(bool insert) { insertOnRelease_ = insert; }
    int focusList() const { return focusList_; }
    void setFocusList(int list) { focusList_ = list; }

    // --- The window: shown exactly when its width is greater than 0.
    int width() const { return width_; }
    bool shown() const { return width_ > 0; }
    void setWidth(int twips);
    // Where the window is (or goes when shown), in twips and pixels.
    const PopupBounds& bounds() const { return bounds_; }

    // --- What the renderer reads.
    int caseSel() const { return caseSel_; }
    bool autoInserting() const { return autoInserting_; }
    int count() const { return static_cast<int>(keyChars_.size()); }
    int lastRow() const { return lastRow_; }
    // The candidate shown in row r (0 to lastRow()), 0 for an empty row.
    char16_t rowText(int row) const { return rowText_[row]; }
    // `scroll`(0) / `scroll`(1) shown (more candidates above / below), else `noscroll`.
    bool upArrowActive() const { return upArrowActive_; }
    bool downArrowActive() const { return downArrowActive_; }
    // Where the controls sit for the current mode and row count.
    PopupLayout layout() const { return LayoutForMode(mode_, lastRow_); }
    // Everything `redraw` needs, as plain values.
    PopupDrawState drawState() const;
    const RunningSettings& settings() const { return links_.settings; }
    const CharacterTable& characters() const { return links_.characters; }

    // --- Operations.
    // Selects candidate `index` (or kNothingSelected), scrolls it into view, fills the rows
    // and redraws.
    void selectRow(int index);
    // Chooses lower (0) or upper (1) case and redraws.
    void selectCase(int c);
    // Lays the window out for the mode, makes it topmost, places it and performs the
    // automatic insert. Returns the width to apply: 0 after an automatic insert.
    int DefaultWidth();
    // A key pressed while the popup is shown. `keyCode` may become Enter (13).
    void onPopupKey(int& keyCode, int shift);
    // Index of the first candidate whose character name contains `typeName` (letter case
    // ignored), -1 when none does.
    int findCandidateOfType(std::string_view typeName) const;
    // The hiding sequence used by the window's close request and the mouse handler:
    // release the trigger keys, width 0, store the screen state and remove the mouse hook.
    void hidePopup();
    // Stores the all-characters screen's state (in mode 2) and removes the mouse hook.
    void closeMouseHook();
    // The mouse hook is installed when the key handler has shown the popup.
    void installMouseHook();
    // The window's monitor or scale changed: the popup moves to `topLeft` (pixels) at the
    // new DPI, and the mouse hook measures it there from then on.
    void onDpiChanged(int dpi, platform::Point topLeft);

private:
    bool tutorialOpen() const { return links_.tutorial.get() != nullptr; }
    void place(int width);
    void resize(int widthTwips, int heightTwips);
    void autoInsert();
    bool pickByNumber(char ch, int& keyCode);
    bool pickByAccent(char ch, int& keyCode);
    void stepWithRepeatedKey();
    void closeWithoutChoice();
    void insertChoice();
    std::optional<char16_t> chosenCharacter() const;
    void letPendingEventsRun();

    Links links_;
    int topRow_ = 0;
    int selected_ = 0;
    CandidateList keyChars_;
    int mode_ = 1;
    int keyCode_ = 0;
    bool insertOnRelease_ = false;
    int focusList_ = 0;
    int caseSel_ = 0;
    bool autoInserting_ = false;
    int lastRow_ = kMaxRows - 1;
    std::array<char16_t, kMaxRows> rowText_{};
    bool upArrowActive_ = false;
    bool downArrowActive_ = false;
    int width_ = 0;
    PopupBounds bounds_;
};

}  // namespace kz
