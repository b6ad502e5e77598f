#include "platform/win32/screen.h"

#include <windows.h>

namespace kz::win32 {

Scale ScreenScale() {
    Scale scale;
    if (HDC screen = GetDC(nullptr)) {
        scale.dpiX = GetDeviceCaps(screen, LOGPIXELSX);
        scale.dpiY = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    if (scale.dpiX <= 0) scale.dpiX = 96;
    if (scale.dpiY <= 0) scale.dpiY = 96;
    return scale;
}

}  // namespace kz::win32
