#pragma once
// Twips (1/1440 inch) to pixels at the screen's resolution, through the program's one
// scaling function.
#include "platform/canvas.h"

namespace kz::win32 {

struct Scale {
    int dpiX = 96;
    int dpiY = 96;
    int toPixelsX(int twips) const { return platform::TwipsToPixels(twips, dpiX); }
    int toPixelsY(int twips) const { return platform::TwipsToPixels(twips, dpiY); }
};

Scale ScreenScale();

}  // namespace kz::win32
