#include "platform/win32/font_cache.h"

#include <algorithm>

namespace kz::win32 {

LOGFONTW FontCache::Describe(const platform::FontSpec& spec, int dpi) {
    LOGFONTW font{};
    const int pixels = platform::TwipsToPixels(spec.heightTwips < 0 ? -spec.heightTwips : spec.heightTwips, dpi);
    font.lfHeight = spec.heightTwips < 0 ? -pixels : pixels;
    font.lfWeight = spec.bold ? FW_BOLD : 0;
    font.lfCharSet = 0;
    font.lfQuality = CLEARTYPE_QUALITY;
    // Face names are plain ASCII ("Arial", "Arial Black", "Arial Narrow").
    const std::size_t length = std::min(spec.face.size(), static_cast<std::size_t>(LF_FACESIZE - 1));
    for (std::size_t i = 0; i < length; ++i)
        font.lfFaceName[i] = static_cast<wchar_t>(static_cast<unsigned char>(spec.face[i]));
    return font;
}

HFONT FontCache::get(const platform::FontSpec& spec, int dpi) {
    Key key{spec.face, spec.heightTwips, spec.bold, dpi};
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
        const LOGFONTW description = Describe(spec, dpi);
        found = fonts_.emplace(std::move(key), UniqueFont(CreateFontIndirectW(&description))).first;
    }
    return found->second.get();
}

}  // namespace kz::win32
