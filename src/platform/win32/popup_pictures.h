#pragma once
// The popup's pictures (corner pieces, heading, case marker, arrow strips, selection bar),
// drawn with GDI to fit their rectangle so that they stay sharp at any DPI.
#include <windows.h>

#include "platform/canvas.h"
#include "platform/win32/font_cache.h"

namespace kz::win32 {

void PaintPicture(HDC dc, platform::Picture picture, const RECT& rect, int dpi, FontCache& fonts);

}  // namespace kz::win32
