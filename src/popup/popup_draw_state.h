#pragma once
// What the key popup's drawing needs from its model, as plain values: the model fills it
// after every change (selection, scroll, case) and the window paints from it.
#include <array>

namespace kz {

class CharacterTable;

inline constexpr int kNothingSelected = -100;
inline constexpr int kMaxRows = 6;

struct PopupDrawState {
    int mode = 1;                  // 1 key popup, 2 all-characters screen
    int topRow = 0;                // candidate shown in the first row
    int selected = kNothingSelected;
    int lastRow = kMaxRows - 1;    // 5, or 4 while the tutorial window is open
    int caseSel = 0;               // 0 lower case, 1 upper case
    std::array<char16_t, kMaxRows> rowText{};  // the candidate of each row; 0 = empty row
    bool upArrowActive = false;    // more candidates above the first row
    bool downArrowActive = false;  // more candidates below the last row
    bool showNumbers = true;       // setting ShowNumbers
    bool displayUnicodeSymbol = true;  // setting DisplayUnicodeSymbol
    const CharacterTable* characters = nullptr;  // upper-case partners and badges; may be null
};

}  // namespace kz
