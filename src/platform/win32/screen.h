#pragma once
// Twips (1/1440 inch) to pixels at the screen's resolution: pixels = twips * dpi / 1440.
namespace kz::win32 {

struct Scale {
    int dpiX = 96;
    int dpiY = 96;
    int toPixelsX(int twips) const { return twips * dpiX / 1440; }
    int toPixelsY(int twips) const { return twips * dpiY / 1440; }
};

Scale ScreenScale();

}  // namespace kz::win32
