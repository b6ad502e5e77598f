#include "popup/popup_render.h"

#include <string>

#include "charset/character_table.h"

namespace kz {

using platform::Canvas;
using platform::Picture;
using platform::Rect;

namespace {

constexpr char16_t kBadgeLetter[] = u"U";
constexpr unsigned kCentred = platform::kTextCenter | platform::kTextNoPrefix;

// The character a row shows: the candidate, or its upper-case partner when upper case is
// chosen and the character table knows one.
char16_t DrawnCharacter(const PopupDrawState& state, char16_t candidate) {
    if (state.caseSel != 1 || state.characters == nullptr) return candidate;
    const CharacterRecord* record = state.characters->find(candidate);
    if (record == nullptr || record->upperCode == 0) return candidate;
    return record->upperCode;
}

bool NeedsBadge(const PopupDrawState& state, char16_t drawn) {
    if (!state.displayUnicodeSymbol || state.characters == nullptr) return false;
    const CharacterRecord* record = state.characters->find(drawn);
    return record != nullptr && record->unicodeOnly;
}

// The number label of candidate n (1-based): "1" to "9", then "0" for the tenth.
std::u16string NumberLabel(int n) {
    return std::u16string(1, static_cast<char16_t>(u'0' + n % 10));
}

void DrawRow(Canvas& canvas, const PopupDrawState& state, int row, int areaWidth) {
    const int rowTop = canvas.scale(kRowHeightTwips * row);
    const int rowBottom = canvas.scale(kRowHeightTwips * (row + 1));
    const char16_t candidate = state.rowText[static_cast<std::size_t>(row)];
    if (candidate == 0) return;

    const char16_t drawn = DrawnCharacter(state, candidate);
    canvas.drawText(std::u16string_view(&drawn, 1), Rect{0, rowTop, areaWidth, rowBottom}, kCentred,
                    CandidateFont(), platform::kBlack);

    const int number = state.topRow + row + 1;
    if (state.showNumbers && number <= 10) {
        // The label sits 7 pixels above the row's middle, in a box 14 pixels high.
        const double middle = rowTop + (kRowHeightTwips / 2.0) * canvas.dpi() / platform::kTwipsPerInch;
        const int top = platform::RoundHalfEven(middle - 7.0 * canvas.dpi() / platform::kBaseDpi);
        const Rect box{canvas.scaleBasePixels(3), top, canvas.scaleBasePixels(17),
                       top + canvas.scaleBasePixels(14)};
        canvas.drawText(NumberLabel(number), box, kCentred, NumberFont(), platform::kGrey);
    }

    if (NeedsBadge(state, drawn)) DrawUnicodeBadge(canvas, 92, rowTop, 13);
}

void DrawLine(Canvas& canvas, const PopupLayout& layout, int y) {
    const int top = canvas.scale(y);
    canvas.fillRect(Rect{0, top, canvas.scale(layout.lineRight), top + canvas.scaleBasePixels(1)},
                    platform::kGrey);
}

void DrawCaseSelector(Canvas& canvas, const PopupLayout& layout, int caseSel) {
    const int chosen = caseSel == 1 ? 1 : 0;
    canvas.drawPicture(Picture::CaseMarker, ToPixels(canvas, layout.marker[static_cast<std::size_t>(chosen)]));
    canvas.drawText(u"abc", ToPixels(canvas, layout.label[0]), kCentred, CaseLabelFont(), platform::kBlack);
    canvas.drawText(u"ABC", ToPixels(canvas, layout.label[1]), kCentred, CaseLabelFont(), platform::kBlack);
}

void DrawArrows(Canvas& canvas, const PopupLayout& layout, const PopupDrawState& state) {
    canvas.drawPicture(state.upArrowActive ? Picture::ArrowUpActive : Picture::ArrowUpInactive,
                       ToPixels(canvas, layout.arrowUp));
    canvas.drawPicture(state.downArrowActive ? Picture::ArrowDownActive : Picture::ArrowDownInactive,
                       ToPixels(canvas, layout.arrowDown));
}

}  // namespace

platform::FontSpec CandidateFont() { return platform::makeFont(26, "Arial", false); }
platform::FontSpec NumberFont() { return platform::makeFont(11, "Arial Black", false); }
platform::FontSpec CaseLabelFont() { return platform::pointFont(9.75, "Arial", true); }

Rect ToPixels(const Canvas& canvas, const TwipsBox& box) {
    return platform::PixelsOf(box, canvas.dpi());
}

void DrawUnicodeBadge(Canvas& canvas, int discLeft, int originY, int discTop) {
    const Rect disc{canvas.scaleBasePixels(discLeft), originY + canvas.scaleBasePixels(discTop),
                    canvas.scaleBasePixels(discLeft + 16), originY + canvas.scaleBasePixels(discTop + 16)};
    canvas.fillEllipse(disc, platform::kGrey, platform::kGrey);
    const Rect letter{canvas.scaleBasePixels(discLeft + 1), originY + canvas.scaleBasePixels(discTop + 1),
                      canvas.scaleBasePixels(discLeft + 17), originY + canvas.scaleBasePixels(discTop + 17)};
    canvas.drawText(kBadgeLetter, letter, kCentred, NumberFont(), platform::kWhite);
}

void PaintPopup(Canvas& canvas, const PopupDrawState& state) {
    const PopupLayout layout = LayoutForMode(state.mode, state.lastRow);
    canvas.fillRect(Rect{0, 0, canvas.scale(layout.width), canvas.scale(layout.height)}, platform::kWhite);

    canvas.drawPicture(Picture::CornerLeft, ToPixels(canvas, layout.cornerLeft));
    canvas.drawPicture(Picture::CornerRight, ToPixels(canvas, layout.cornerRight));
    DrawLine(canvas, layout, layout.topLineY);
    canvas.drawPicture(Picture::Heading, ToPixels(canvas, layout.heading));
    DrawCaseSelector(canvas, layout, state.caseSel);
    if (layout.arrowsShown) DrawArrows(canvas, layout, state);
    if (layout.rowsShown) {
        const Rect area = ToPixels(canvas, layout.rows);
        platform::ScopedArea scope(canvas, area);
        DrawRows(canvas, state, area.width(), area.height());
    }
    DrawLine(canvas, layout, layout.bottomLineY);
}

void DrawRows(Canvas& canvas, const PopupDrawState& state, int width, int height) {
    canvas.fillRect(Rect{0, 0, width, height}, platform::kWhite);
    // The bar lands outside the area when nothing is selected, and the area clips it.
    const int barTop = canvas.scale((state.selected - state.topRow) * kRowHeightTwips);
    canvas.drawPicture(Picture::SelectionBar,
                       Rect{0, barTop, canvas.scaleBasePixels(113), barTop + canvas.scaleBasePixels(41)});
    const int lastRow = state.lastRow < kMaxRows ? state.lastRow : kMaxRows - 1;
    for (int row = 0; row <= lastRow; ++row) DrawRow(canvas, state, row, width);
}

}  // namespace kz
