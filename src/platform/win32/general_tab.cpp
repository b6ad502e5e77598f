#include "platform/win32/general_tab.h"

#include <string>

#include "options/options_texts.h"
#include "platform/win32/gdi_canvas.h"
#include "platform/win32/wide_text.h"
#include "popup/popup_render.h"

namespace kz::win32 {
namespace {

using options::CheckBox;
using options::CheckLabel;

constexpr int kComboId = 300;
constexpr int BoxId(CheckBox box) { return 100 + static_cast<int>(box); }
constexpr int LabelId(CheckLabel label) { return 200 + static_cast<int>(label); }
constexpr int kDisplayUnicodeSymbolLabelId = LabelId(CheckLabel::DisplayUnicodeSymbol);

constexpr int kBoxSize = 255;
// The separators between the groups, in page twips.
constexpr int kLineLeft = 240;
constexpr int kLineRight = 5280;
constexpr std::array<int, 5> kLineTops{720, 1560, 2400, 3240, 4080};

// Each box with the label beside it, top to bottom.
struct Row {
    CheckBox box;
    int boxLeft, boxTop;
    CheckLabel label;
    const wchar_t* text;
    TwipsBox labelBox;
    int room;  // twips free below the label, down to the next separator
};
constexpr std::array<Row, 4> kRows{{
    {CheckBox::ShowNumbers, 120, 1860, CheckLabel::ShowNumbers,
     L"Allow characters to be selected from the list by pressing a number key (uncheck this "
     L"option to hide the numbers on the character list screen)",
     {480, 1800, 5055, 405}, 150},
    {CheckBox::RememberState, 120, 2700, CheckLabel::RememberState,
     L"Remember the state (selected character type or language, etc) of the \"All "
     L"Characters\" selection screen.",
     {480, 2640, 5055, 405}, 150},
    {CheckBox::DisplayUnicodeSymbol, 120, 3540, CheckLabel::DisplayUnicodeSymbol,
     L"Show         symbol when a character is not supported by all programs.",
     {480, 3570, 4935, 285}, 180},
    {CheckBox::AutoInsert, 120, 4380, CheckLabel::AutoInsert,
     L"Automatically insert character if there is only one character available for the key "
     L"pressed.",
     {480, 4320, 4935, 405}, 400},
}};

// The badge's example stands in the gap that the Unicode symbol's label leaves after
// "Show": a disc whose top left corner lies at (65, 236) page pixels at 96 dpi.
void DrawBadge(HDC dc, POINT pageOrigin, int dpi, FontCache& fonts) {
    GdiCanvas canvas(dc, dpi, fonts);
    canvas.setArea(platform::Rect{-pageOrigin.x, -pageOrigin.y, 1 << 14, 1 << 14});
    DrawUnicodeBadge(canvas, 65, 0, 236);
}

}  // namespace

GeneralTab::GeneralTab(HWND dialog, FontCache& fonts, options::OptionsDialog& model,
                       std::function<void()> edited)
    : fonts_(fonts), model_(model), edited_(std::move(edited)), page_(dialog, fonts, *this) {
    create();
}

void GeneralTab::create() {
    // The controls are made in the order of the keyboard: Tab goes from box to list to
    // box, the arrow keys move among the four boxes below the list. The labels come last,
    // each starting a group of its own, so no arrow key ever lands on one.
    const auto addBox = [this](CheckBox box, int left, int top) {
        const DWORD group = box == CheckBox::AutoStart || box == CheckBox::ShowNumbers ? WS_GROUP : 0;
        boxes_[static_cast<std::size_t>(box) - 1] =
            page_.add({.windowClass = L"BUTTON", .style = BS_AUTOCHECKBOX | WS_TABSTOP | group,
                       .box = {left, top, kBoxSize, kBoxSize}, .id = BoxId(box)});
    };
    const auto addLabel = [this](CheckLabel label, const wchar_t* text, TwipsBox box, DWORD style,
                                 int room) {
        return page_.add({.windowClass = L"STATIC", .text = text, .style = SS_NOTIFY | WS_GROUP | style,
                          .box = box, .id = LabelId(label), .fitText = true, .growTwips = room});
    };

    addBox(CheckBox::AutoStart, 120, 240);
    page_.add({.windowClass = L"STATIC", .text = L"Trigger Key:", .style = WS_GROUP,
               .box = {120, 1005, 975, 255}, .id = -1});
    // A drop-down list's height includes its open list: room for every entry.
    combo_ = page_.add({.windowClass = L"COMBOBOX",
                        .style = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP,
                        .box = {1320, 960, 4095, 4200}, .id = kComboId});
    for (std::string_view entry : options::kTriggerEntries) {
        SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(entry).c_str()));
    }
    for (const Row& row : kRows) addBox(row.box, row.boxLeft, row.boxTop);

    addLabel(CheckLabel::AutoStart, L"Automatically load Kelvra Zavora when the computer starts up",
             {480, 270, 4575, 255}, SS_LEFT, 150);
    for (const Row& row : kRows) {
        // The Unicode symbol's label draws its own text, so the badge shows through its gap.
        const DWORD style = row.label == CheckLabel::DisplayUnicodeSymbol ? SS_OWNERDRAW : SS_LEFT;
        HWND label = addLabel(row.label, row.text, row.labelBox, style, row.room);
        if (row.label == CheckLabel::AutoInsert) autoInsertLabel_ = label;
    }
}

void GeneralTab::sync() {
    for (int i = 1; i <= 6; ++i) {
        const auto box = static_cast<CheckBox>(i);
        HWND control = boxes_[static_cast<std::size_t>(i) - 1];
        SendMessageW(control, BM_SETCHECK, model_.checked(box) ? BST_CHECKED : BST_UNCHECKED, 0);
        EnableWindow(control, model_.enabled(box));
    }
    EnableWindow(autoInsertLabel_, model_.enabled(CheckBox::AutoInsert));
    if (SendMessageW(combo_, CB_GETCURSEL, 0, 0) != model_.triggerIndex()) {
        SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(model_.triggerIndex()), 0);
    }
}

void GeneralTab::onCommand(int id, int code, HWND control) {
    if (id == kComboId) {
        if (code != CBN_SELCHANGE) return;
        model_.selectTrigger(static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0)));
    } else if (id > 100 && id <= 106 && code == BN_CLICKED) {
        model_.boxClicked(static_cast<CheckBox>(id - 100),
                           SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED);
    } else if (id >= 200 && id <= LabelId(CheckLabel::DisableOtherKeys) && code == STN_CLICKED) {
        model_.labelClicked(static_cast<CheckLabel>(id - 200));
    } else {
        return;
    }
    edited_();
}

void GeneralTab::onDrawItem(const DRAWITEMSTRUCT& item) {
    if (static_cast<int>(item.CtlID) != kDisplayUnicodeSymbolLabelId) return;
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    // The page's own background under the text (the tab body's texture where themed).
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(page_.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(item.hwndItem)));
    FillRect(dc, &r, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));

    wchar_t text[128] = {};
    const int length = GetWindowTextW(item.hwndItem, text, 128);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    {
        SelectionGuard font(dc, reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
        DrawTextW(dc, text, length, &r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    }
    // The label's top left corner in page pixels: the badge is placed on the page.
    POINT origin{0, 0};
    MapWindowPoints(item.hwndItem, page_.hwnd(), &origin, 1);
    DrawBadge(dc, origin, page_.dpi(), fonts_);
}

void GeneralTab::onPaint(HDC dc, int dpi) {
    GdiCanvas canvas(dc, dpi, fonts_);
    const COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
    const platform::Rgb lineColor{GetRValue(grey), GetGValue(grey), GetBValue(grey)};
    for (int top : kLineTops) {
        const int y = platform::TwipsToPixels(top, dpi);
        canvas.drawLine({platform::TwipsToPixels(kLineLeft, dpi), y},
                        {platform::TwipsToPixels(kLineRight, dpi), y}, lineColor);
    }
    // The disc reaches a little above the Unicode symbol's label, whose drawing covers the
    // rest of it.
    DrawBadge(dc, POINT{0, 0}, dpi, fonts_);
}

}  // namespace kz::win32
