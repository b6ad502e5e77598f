#include "editor/editor_list_draw.h"

#include <algorithm>
#include <vector>

#include "popup/all_characters_draw.h"

namespace kz::editor {

using platform::Rect;
using platform::SystemColor;

namespace {

// A row of a character the table does not know, drawn in the characters list's manner:
// the shading or the selection across the row, the character, and its code as its name.
void DrawUnknownRow(platform::Canvas& canvas, const CharacterList& list, int row, int width) {
    const auto entry = static_cast<std::size_t>(list.scrollValue() + row);
    const int top = canvas.scale(kRowHeight * row);
    const int bottom = canvas.scale(kRowHeight * (row + 1));
    platform::Rgb text = canvas.systemColor(SystemColor::WindowText);
    if (entry == list.selection()) {
        canvas.fillRect(Rect{0, top, width, bottom}, canvas.systemColor(SystemColor::Highlight));
        text = canvas.systemColor(SystemColor::HighlightText);
    } else if (entry % 2 == 1) {
        canvas.fillRect(Rect{0, top, width, bottom}, platform::kShade);
    }
    const char16_t code = list.entries()[entry].code;
    const int shift = canvas.scaleBasePixels(2);
    canvas.drawText(std::u16string_view(&code, 1),
                    Rect{canvas.scaleBasePixels(12), top + shift, canvas.scaleBasePixels(35), bottom + shift},
                    platform::kTextCenter | platform::kTextNoPrefix, ListCharacterFont(), text);
    const int nameTop = top + shift + canvas.scaleBasePixels(5);
    canvas.drawText(UnknownCharacterName(code),
                    Rect{canvas.scaleBasePixels(50), nameTop, width - canvas.scaleBasePixels(6), bottom + shift},
                    platform::kTextNoPrefix, CharacterNameFont(), text);
}

}  // namespace

std::u16string UnknownCharacterName(char16_t code) {
    constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string name = u"U+";
    for (int shift = 12; shift >= 0; shift -= 4) name += kDigits[(code >> shift) & 0xF];
    return name;
}

void DrawEditorList(platform::Canvas& canvas, const CharacterList& list, const CharacterTable& characters,
                    bool displayUnicodeSymbol, int width, int height) {
    std::vector<int> indexes;
    indexes.reserve(list.entries().size());
    for (const ListEntry& entry : list.entries()) {
        indexes.push_back(entry.record ? static_cast<int>(*entry.record) : -1);
    }
    DrawCharacterList(canvas,
                      CharacterListDrawState{.list = indexes,
                                             .sel = static_cast<int>(list.selection()),
                                             .top = list.scrollValue(),
                                             .caseSel = 0,
                                             .displayUnicodeSymbol = displayUnicodeSymbol,
                                             .characters = &characters},
                      width, height);
    const int shown = std::min(kVisibleRows, static_cast<int>(indexes.size()) - list.scrollValue());
    for (int row = 0; row < shown; ++row) {
        if (indexes[static_cast<std::size_t>(list.scrollValue() + row)] < 0) DrawUnknownRow(canvas, list, row, width);
    }
}

}  // namespace kz::editor
