#pragma once
// Every font the program draws with, created once per (face, size, style, DPI) and kept
// for the whole run, so no drawing pass creates or deletes a font.
#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "platform/canvas.h"
#include "platform/win32/gdi_holders.h"

namespace kz::win32 {

class FontCache {
public:
    FontCache() = default;
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    // The font for `desc` at `dpi`; null only when the system refused to make one.
    HFONT get(const platform::FontSpec& desc, int dpi);

    // The LOGFONT of `makeFont`: lfHeight in pixels at `dpi` (keeping its sign), weight 700
    // for bold else 0, character set 0, CLEARTYPE_QUALITY, everything else 0.
    static LOGFONTW Describe(const platform::FontSpec& desc, int dpi);

private:
    using Key = std::tuple<std::string, int, bool, int>;
    std::map<Key, UniqueFont> fonts_;
};

}  // namespace kz::win32
