#include "popup/all_characters_draw.h"

#include <algorithm>

#include "charset/character_table.h"
#include "charset/utf8.h"
#include "popup/popup_render.h"

namespace kz {

using platform::Canvas;
using platform::Rect;
using platform::SystemColor;

namespace {

constexpr unsigned kCentred = platform::kTextCenter | platform::kTextNoPrefix;

// The rows a list of `count` entries shows from `top`: `rows` or fewer.
int LastRow(int rows, std::size_t count) {
    return std::min(rows - 1, static_cast<int>(count) - 1);
}

bool Within(int entry, std::size_t count) {
    return entry >= 0 && static_cast<std::size_t>(entry) < count;
}

char16_t DrawnCharacter(const CharacterRecord& record, int caseSel) {
    return caseSel == 1 && record.upperCode != 0 ? record.upperCode : record.code;
}

void DrawCharacterRow(Canvas& canvas, const CharacterListDrawState& state, int row, int width) {
    const int entry = state.top + row;
    const auto& records = state.characters->records();
    const int index = state.list[static_cast<std::size_t>(entry)];
    if (!Within(index, records.size())) return;
    const CharacterRecord& record = records[static_cast<std::size_t>(index)];

    const int top = canvas.scale(kCharacterRowTwips * row);
    const int bottom = canvas.scale(kCharacterRowTwips * (row + 1));
    platform::Rgb text = canvas.systemColor(SystemColor::WindowText);
    if (entry == state.sel) {
        canvas.fillRect(Rect{0, top, width, bottom}, canvas.systemColor(SystemColor::Highlight));
        text = canvas.systemColor(SystemColor::HighlightText);
    } else if (entry % 2 == 1) {  // the shading follows the entry, so it scrolls with the list
        canvas.fillRect(Rect{0, top, width, bottom}, platform::kShade);
    }

    const int shift = canvas.scaleBasePixels(2);
    const char16_t drawn = DrawnCharacter(record, state.caseSel);
    canvas.drawText(std::u16string_view(&drawn, 1),
                    Rect{canvas.scaleBasePixels(12), top + shift, canvas.scaleBasePixels(35), bottom + shift},
                    kCentred, ListCharacterFont(), text);

    const int nameTop = top + shift + canvas.scaleBasePixels(5);
    canvas.drawText(utf8::ToUtf16(record.name),
                    Rect{canvas.scaleBasePixels(50), nameTop, width - canvas.scaleBasePixels(6), bottom + shift},
                    platform::kTextNoPrefix, CharacterNameFont(), text);

    const CharacterRecord* drawnRecord = state.characters->find(drawn);
    if (state.displayUnicodeSymbol && drawnRecord != nullptr && drawnRecord->unicodeOnly) {
        DrawUnicodeBadge(canvas, 199, nameTop, -2);  // centred at x 207, 6 pixels below the name's top
    }
}

}  // namespace

platform::FontSpec ListNameFont() { return platform::makeFont(9, "Arial", false); }
platform::FontSpec ListCharacterFont() { return platform::makeFont(16, "Arial", false); }
platform::FontSpec CharacterNameFont() { return platform::makeFont(9, "Arial Narrow", false); }

void DrawTextList(Canvas& canvas, const TextListDrawState& state, int width, int height) {
    canvas.fillRect(Rect{0, 0, width, height}, canvas.systemColor(SystemColor::Window));
    const int lastRow = LastRow(kTopListRows, state.list.size());
    for (int row = 0; row <= lastRow; ++row) {
        const int entry = state.top + row;
        if (!Within(entry, state.list.size())) continue;
        const int rowHeight = kTopListRowBasePixels;
        const int top = canvas.scaleBasePixels(rowHeight * row);
        const int bottom = canvas.scaleBasePixels(rowHeight * (row + 1));
        platform::Rgb text = canvas.systemColor(SystemColor::WindowText);
        if (entry == state.sel) {
            canvas.fillRect(Rect{0, top - canvas.scaleBasePixels(1), width, bottom - canvas.scaleBasePixels(1)},
                            canvas.systemColor(SystemColor::Highlight));
            text = canvas.systemColor(SystemColor::HighlightText);
        }
        canvas.drawText(utf8::ToUtf16(state.list[static_cast<std::size_t>(entry)]),
                        Rect{canvas.scaleBasePixels(3), top, width - canvas.scaleBasePixels(3), bottom},
                        platform::kTextNoPrefix, ListNameFont(), text);
    }
}

void DrawCharacterList(Canvas& canvas, const CharacterListDrawState& state, int width, int height) {
    canvas.fillRect(Rect{0, 0, width, height}, canvas.systemColor(SystemColor::Window));
    if (state.characters == nullptr) return;
    const int lastRow = LastRow(kCharacterListRows, state.list.size());
    for (int row = 0; row <= lastRow; ++row) {
        if (!Within(state.top + row, state.list.size())) continue;
        DrawCharacterRow(canvas, state, row, width);
    }
}

}  // namespace kz
