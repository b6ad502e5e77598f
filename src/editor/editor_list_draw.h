#pragma once
// Drawing one of the language editor's two lists through a Canvas. They look exactly like
// the all-characters screen's characters list (seven rows of 400 twips, the character,
// its name, the "U" badge), except that a character is always drawn from the first code
// of its record. A character that the character table does not know still gets its row,
// showing the character itself and its code, so a list never hides what it holds.
#include "charset/character_table.h"
#include "editor/character_list.h"
#include "platform/canvas.h"

namespace kz::editor {

// Draws `list` from its scroll position into the canvas's current area, `width` ×
// `height` pixels, clearing it first.
void DrawEditorList(platform::Canvas& canvas, const CharacterList& list, const CharacterTable& characters,
                    bool displayUnicodeSymbol, int width, int height);

// The name shown for a character without a record: "U+" and four upper-case hex digits.
std::u16string UnknownCharacterName(char16_t code);

}  // namespace kz::editor
