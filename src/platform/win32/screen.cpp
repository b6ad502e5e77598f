#include "platform/win32/screen.h"

#include <windows.h>

#include "platform/win32/gdi_holders.h"

namespace kz::win32 {

Scale ScreenScale() {
    Scale scale;
    const WindowDc screen(nullptr);
    if (screen.get() != nullptr) {
        scale.dpiX = GetDeviceCaps(screen.get(), LOGPIXELSX);
        scale.dpiY = GetDeviceCaps(screen.get(), LOGPIXELSY);
    }
    if (scale.dpiX <= 0) scale.dpiX = 96;
    if (scale.dpiY <= 0) scale.dpiY = 96;
    return scale;
}

}  // namespace kz::win32
