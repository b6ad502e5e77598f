#include "platform/win32/gdi_canvas.h"

#include "platform/win32/gdi_holders.h"
#include "platform/win32/popup_pictures.h"

namespace kz::win32 {

GdiCanvas::GdiCanvas(HDC dc, int dpi, FontCache& fonts) : dc_(dc), dpi_(dpi), fonts_(fonts) {
    SetBkMode(dc_, TRANSPARENT);
}

GdiCanvas::~GdiCanvas() { resetArea(); }

void GdiCanvas::setArea(const platform::Rect& area) {
    resetArea();
    savedState_ = SaveDC(dc_);
    SetViewportOrgEx(dc_, area.left, area.top, nullptr);
    IntersectClipRect(dc_, 0, 0, area.width(), area.height());  // logical coordinates, after the move
}

void GdiCanvas::resetArea() {
    if (savedState_ != 0) RestoreDC(dc_, savedState_);
    savedState_ = 0;
}

void GdiCanvas::fillRect(const platform::Rect& rect, platform::Rgb color) {
    SetDCBrushColor(dc_, ToColorRef(color));
    const RECT r = ToRect(rect);
    FillRect(dc_, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void GdiCanvas::drawLine(platform::Point from, platform::Point to, platform::Rgb color) {
    SelectionGuard pen(dc_, GetStockObject(DC_PEN));
    SetDCPenColor(dc_, ToColorRef(color));
    MoveToEx(dc_, from.x, from.y, nullptr);
    LineTo(dc_, to.x, to.y);
}

void GdiCanvas::fillEllipse(const platform::Rect& bounds, platform::Rgb fill, platform::Rgb outline) {
    SelectionGuard pen(dc_, GetStockObject(DC_PEN));
    SelectionGuard brush(dc_, GetStockObject(DC_BRUSH));
    SetDCPenColor(dc_, ToColorRef(outline));
    SetDCBrushColor(dc_, ToColorRef(fill));
    Ellipse(dc_, bounds.left, bounds.top, bounds.right, bounds.bottom);
}

void GdiCanvas::drawText(std::u16string_view text, const platform::Rect& rect, unsigned flags,
                         const platform::FontSpec& font, platform::Rgb color) {
    HFONT handle = fonts_.get(font, dpi_);
    if (handle == nullptr) return;
    SelectionGuard selected(dc_, handle);
    SetTextColor(dc_, ToColorRef(color));
    RECT r = ToRect(rect);
    // char16_t and wchar_t are the same 16-bit units on Windows.
    DrawTextW(dc_, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), &r, flags);
}

void GdiCanvas::drawPicture(platform::Picture picture, const platform::Rect& rect) {
    PaintPicture(dc_, picture, ToRect(rect), dpi_, fonts_);
}

platform::Rgb GdiCanvas::systemColor(platform::SystemColor which) const {
    int index = COLOR_WINDOWTEXT;
    switch (which) {
        case platform::SystemColor::Highlight: index = COLOR_HIGHLIGHT; break;
        case platform::SystemColor::HighlightText: index = COLOR_HIGHLIGHTTEXT; break;
        case platform::SystemColor::WindowText: index = COLOR_WINDOWTEXT; break;
        case platform::SystemColor::Window: index = COLOR_WINDOW; break;
    }
    const COLORREF c = GetSysColor(index);
    return platform::Rgb{GetRValue(c), GetGValue(c), GetBValue(c)};
}

}  // namespace kz::win32
