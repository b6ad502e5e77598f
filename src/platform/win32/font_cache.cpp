#include "platform/win32/font_cache.h"

#include <algorithm>

namespace kz::win32 {

LOGFONTW FontCache::Describe(const platform::FontSpec& desc, int dpi) {
    LOGFONTW font{};
    const int pixels = platform::TwipsToPixels(desc.heightTwips < 0 ? -desc.heightTwips : desc.heightTwips, dpi);
    font.lfHeight = desc.heightTwips < 0 ? -pixels : pixels;
    font.lfWeight = desc.bold ? FW_BOLD : 0;
    font.lfCharSet = 0;
    font.lfQuality = CLEARTYPE_QUALITY;
    // Face names are plain ASCII ("Arial", "Arial Black", "Arial Narrow").
    const std::size_t length = std::min(desc.face.size(), static_cast<std::size_t>(LF_FACESIZE - 1));
    for (std::size_t i = 0; i < length; ++i)
        font.lfFaceName[i] = static_cast<wchar_t>(static_cast<unsigned char>(desc.face[i]));
    return font;
}

HFONT FontCache::get(const platform::FontSpec& desc, int dpi) {
    Key key{desc.face, desc.heightTwips, desc.bold, dpi};
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
        const LOGFONTW description = Describe(desc, dpi);
        found = fonts_.emplace(std::move(key), UniqueFont(CreateFontIndirectW(&description))).first;
    }
    return found->second.get();
}

}  // namespace kz::win32
