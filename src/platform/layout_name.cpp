#include "platform/layout_name.h"

namespace kz::platform {
namespace {

// Layout names are eight upper-case hex digits, the form the registry lists them in.
// Written by hand: the C library's formatted printing would bring its whole
// floating-point formatter into the exe for this one use.
std::string EightHexDigits(std::uint32_t value) {
    std::string name(8, '0');
    for (int i = 7; i >= 0; --i, value >>= 4) name[static_cast<std::size_t>(i)] = "0123456789ABCDEF"[value & 0xF];
    return name;
}

}  // namespace

std::string LayoutNameOfHandle(std::uint32_t handle, const LayoutIdLookup& lookup) {
    const unsigned layout = handle >> 16;
    const unsigned language = handle & 0xFFFF;
    if ((layout & 0xF000) == 0xE000) return EightHexDigits(handle);
    if ((layout & 0xF000) == 0xF000) {
        if (lookup) {
            if (auto listed = lookup(layout & 0x0FFF)) return *listed;
        }
        return EightHexDigits(language);  // an unlisted variant: its language
    }
    return EightHexDigits(layout);
}

}  // namespace kz::platform
