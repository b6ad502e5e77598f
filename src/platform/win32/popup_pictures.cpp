#include "platform/win32/popup_pictures.h"

#include <algorithm>

#include "platform/win32/gdi_holders.h"

namespace kz::win32 {

namespace {

using platform::Picture;

constexpr COLORREF kAccent = RGB(0, 99, 177);
constexpr COLORREF kAccentLight = RGB(220, 232, 247);
constexpr COLORREF kAccentEdge = RGB(150, 180, 220);
constexpr COLORREF kInactive = RGB(215, 215, 215);
constexpr COLORREF kHeadingText = RGB(40, 40, 40);
constexpr COLORREF kBarTop = RGB(234, 242, 252);
constexpr COLORREF kBarBottom = RGB(203, 222, 246);
constexpr COLORREF kBarEdge = RGB(125, 162, 206);

// A length drawn at 96 dpi, in pixels at `dpi`.
int Scaled(int basePixels, int dpi) { return platform::BasePixelsToPixels(basePixels, dpi); }

void Fill(HDC dc, const RECT& r, COLORREF color) {
    SetDCBrushColor(dc, color);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void RoundBox(HDC dc, const RECT& r, int radius, COLORREF fill, COLORREF edge) {
    SelectionGuard pen(dc, GetStockObject(DC_PEN));
    SelectionGuard brush(dc, GetStockObject(DC_BRUSH));
    SetDCPenColor(dc, edge);
    SetDCBrushColor(dc, fill);
    RoundRect(dc, r.left, r.top, r.right, r.bottom, radius, radius);
}

void Text(HDC dc, const wchar_t* text, RECT r, UINT flags, const platform::FontSpec& desc, COLORREF color,
          int dpi, FontCache& fonts) {
    HFONT font = fonts.get(desc, dpi);
    if (font == nullptr) return;
    SelectionGuard selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    DrawTextW(dc, text, -1, &r, flags | DT_NOPREFIX | DT_SINGLELINE);
}

// An "é" tile and the product's name.
void Heading(HDC dc, const RECT& r, int dpi, FontCache& fonts) {
    const int tile = std::min(Scaled(28, dpi), static_cast<int>(r.bottom - r.top));
    const int tileTop = r.top + (r.bottom - r.top - tile) / 2;
    const RECT tileRect{r.left + Scaled(6, dpi), tileTop, r.left + Scaled(6, dpi) + tile, tileTop + tile};
    RoundBox(dc, tileRect, Scaled(8, dpi), kAccent, kAccent);
    Text(dc, L"\u00E9", tileRect, DT_CENTER | DT_VCENTER, platform::pointFont(15, "Arial", true), RGB(255, 255, 255),
         dpi, fonts);
    const RECT nameRect{tileRect.right + Scaled(6, dpi), r.top, r.right, r.bottom};
    Text(dc, L"Zavora", nameRect, DT_LEFT | DT_VCENTER, platform::pointFont(13.5, "Arial", true), kHeadingText,
         dpi, fonts);
}

// A small triangle in the middle of the strip, pointing up or down.
void Arrow(HDC dc, const RECT& r, bool up, COLORREF color, int dpi) {
    const int halfWidth = Scaled(7, dpi);
    const int height = Scaled(7, dpi);
    const int cx = (r.left + r.right) / 2;
    const int top = (r.top + r.bottom - height) / 2;
    POINT points[3];
    if (up) {
        points[0] = {cx, top};
        points[1] = {cx + halfWidth, top + height};
        points[2] = {cx - halfWidth, top + height};
    } else {
        points[0] = {cx - halfWidth, top};
        points[1] = {cx + halfWidth, top};
        points[2] = {cx, top + height};
    }
    SelectionGuard pen(dc, GetStockObject(DC_PEN));
    SelectionGuard brush(dc, GetStockObject(DC_BRUSH));
    SetDCPenColor(dc, color);
    SetDCBrushColor(dc, color);
    Polygon(dc, points, 3);
}

// A soft vertical gradient with a thin edge.
void SelectionBar(HDC dc, const RECT& r) {
    const int height = std::max(1, static_cast<int>(r.bottom - r.top));
    for (int y = 0; y < height; ++y) {
        const auto mix = [&](int a, int b) { return a + (b - a) * y / height; };
        const COLORREF c = RGB(mix(GetRValue(kBarTop), GetRValue(kBarBottom)),
                               mix(GetGValue(kBarTop), GetGValue(kBarBottom)),
                               mix(GetBValue(kBarTop), GetBValue(kBarBottom)));
        Fill(dc, RECT{r.left, r.top + y, r.right, r.top + y + 1}, c);
    }
    SetDCBrushColor(dc, kBarEdge);
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

}  // namespace

void PaintPicture(HDC dc, Picture picture, const RECT& rect, int dpi, FontCache& fonts) {
    switch (picture) {
        case Picture::CornerLeft:
        case Picture::CornerRight: Fill(dc, rect, kAccent); break;
        case Picture::Heading: Heading(dc, rect, dpi, fonts); break;
        case Picture::CaseMarker: RoundBox(dc, rect, Scaled(8, dpi), kAccentLight, kAccentEdge); break;
        case Picture::ArrowUpActive: Arrow(dc, rect, true, kAccent, dpi); break;
        case Picture::ArrowUpInactive: Arrow(dc, rect, true, kInactive, dpi); break;
        case Picture::ArrowDownActive: Arrow(dc, rect, false, kAccent, dpi); break;
        case Picture::ArrowDownInactive: Arrow(dc, rect, false, kInactive, dpi); break;
        case Picture::SelectionBar: SelectionBar(dc, rect); break;
    }
}

}  // namespace kz::win32
