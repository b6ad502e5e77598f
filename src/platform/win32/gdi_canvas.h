#pragma once
// The canvas over a device context: GDI fills and discs with the DC pen and brush, text
// with DrawTextW on a transparent background, fonts from the run-long cache, and the
// popup's pictures painted to fit.
#include <windows.h>

#include "platform/canvas.h"
#include "platform/win32/dpi.h"
#include "platform/win32/font_cache.h"

namespace kz::win32 {

class GdiCanvas final : public platform::Canvas {
public:
    GdiCanvas(HDC dc, int dpi, FontCache& fonts);
    ~GdiCanvas() override;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    int dpi() const override { return dpi_; }
    void setArea(const platform::Rect& area) override;
    void resetArea() override;
    void fillRect(const platform::Rect& rect, platform::Rgb color) override;
    void drawLine(platform::Point from, platform::Point to, platform::Rgb color) override;
    void fillEllipse(const platform::Rect& bounds, platform::Rgb fill, platform::Rgb outline) override;
    void drawText(std::u16string_view text, const platform::Rect& rect, unsigned flags,
                  const platform::FontSpec& font, platform::Rgb color) override;
    void drawPicture(platform::Picture picture, const platform::Rect& rect) override;
    platform::Rgb systemColor(platform::SystemColor which) const override;

private:
    HDC dc_;
    int dpi_;
    FontCache& fonts_;
    int savedState_ = 0;  // SaveDC's answer while an area is set
};

inline COLORREF ToColorRef(platform::Rgb color) { return RGB(color.r, color.g, color.b); }

}  // namespace kz::win32
