#pragma once
// Drawing the two lists of the all-characters screen through a Canvas: the text
// list (the character types or languages, five rows of 14 pixels) and the character list (the
// characters, seven rows of 400 twips, each with the character and its name). The window
// gives each routine its picture area as the canvas's current area.
#include <span>
#include <string>

#include "platform/canvas.h"

namespace kz {

class CharacterTable;

inline constexpr int kTopListRows = 5;
inline constexpr int kCharacterListRows = 7;
inline constexpr int kTopListRowBasePixels = 14;
inline constexpr int kCharacterRowTwips = 400;

struct TextListDrawState {
    std::span<const std::string> list;  // UTF-8 names
    int sel = 0;                        // the selected entry
    int top = 0;                        // the entry in the first row (the scroll bar's value)
};

struct CharacterListDrawState {
    std::span<const int> list;  // character table indexes
    int sel = 0;
    int top = 0;
    int caseSel = 0;  // 1: draw upper-case partners where there are any
    bool displayUnicodeSymbol = false;
    const CharacterTable* characters = nullptr;
};

// The fonts of the two lists.
platform::FontSpec ListNameFont();       // "Arial" 9: type and language names
platform::FontSpec ListCharacterFont();  // "Arial" 16: the character
platform::FontSpec CharacterNameFont();  // "Arial Narrow" 9: the character's name

// The text list, into an area `width` × `height` pixels.
void DrawTextList(platform::Canvas& canvas, const TextListDrawState& state, int width, int height);
// The character list, into an area `width` × `height` pixels.
void DrawCharacterList(platform::Canvas& canvas, const CharacterListDrawState& state, int width,
                       int height);

}  // namespace kz
