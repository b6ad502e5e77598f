#pragma once
// The on-screen keyboard of the language editor: 47 key buttons in
// four rows, the Shift button and the two frames that mark the selected key and the
// shift state. Lengths are twips. A key's key code is the ANSI code of its present
// caption in lower case, so letters have one code for both cases while a shifted symbol
// is a key of its own.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "charset/ansi_table.h"
#include "platform/geometry.h"

namespace kz::editor {

inline constexpr int kKeyCount = 47;
inline constexpr int kKeySize = 315;
inline constexpr int kFirstKey = 35;  // "1": selected when the window loads

struct KeyButton {
    std::string caption;         // shown now (UTF-8)
    std::string shiftedCaption;  // swapped with the caption by Shift; empty for letters
    platform::TwipsBox place;
    bool visible = true;
    bool enabled = true;
    // Keys that have characters show "Arial Black", symbols among them bold as well.
    bool hasCharacters = false;
    bool bold = false;

    std::string_view fontName() const { return hasCharacters ? "Arial Black" : "Arial"; }
};

using KeyButtons = std::array<KeyButton, kKeyCount>;

// The Shift button.
inline constexpr platform::TwipsBox kShiftButton{8640, 1980, 615, 315};

// The keyboard as drawn for UK and US-International: "#" shown, "\" left of "Z", the UK shifted captions.
KeyButtons DesignKeyboard();

// The United Kingdom ("00000809") and United States-International ("00020409") layouts
// keep the keyboard as drawn (only the first eight characters of the name count). Any
// other layout gets the other common arrangement: "#" hidden, "\" right of "]", and the
// shifted captions "@" on "2", "#" on "3" and the double quote on "'".
bool KeepsDesignKeyboard(std::string_view layoutName);
void AdaptToLayout(KeyButtons& keys, std::string_view layoutName);

// The frame laid over a button: its left and top, its size grown by 15.
platform::TwipsBox FrameOver(const platform::TwipsBox& button);

// The ANSI code of the caption's character in lower case; nothing for an empty caption or
// a character that the code page cannot write.
std::optional<std::uint8_t> KeyCodeOf(std::string_view caption, const AnsiTable& ansi);

// The symbol captions that are bold as well as "Arial Black" when the key has characters.
bool IsBoldSymbol(std::string_view caption);

}  // namespace kz::editor
