#include "platform/layout_name.h"

#include <cstdio>

namespace kz::platform {

std::string LayoutNameOfHandle(std::uint32_t handle, const LayoutIdLookup& lookup) {
    const unsigned layout = handle >> 16;
    const unsigned language = handle & 0xFFFF;
    char name[16];
    if ((layout & 0xF000) == 0xE000) {
        std::snprintf(name, sizeof name, "%08X", static_cast<unsigned>(handle));
        return name;
    }
    if ((layout & 0xF000) == 0xF000) {
        if (lookup) {
            if (auto listed = lookup(layout & 0x0FFF)) return *listed;
        }
        std::snprintf(name, sizeof name, "%08X", language);  // an unlisted variant: its language
        return name;
    }
    std::snprintf(name, sizeof name, "%08X", layout);
    return name;
}

}  // namespace kz::platform
