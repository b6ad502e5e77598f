#include "charset/ansi_table.h"

#include <algorithm>

namespace kz {

AnsiTable::AnsiTable(const platform::CodePage& codePage) {
    for (unsigned b = 0; b < 256; ++b) {
        const auto c = b == 0 ? std::optional<char16_t>(u'\0') : codePage.decodeByte(static_cast<std::uint8_t>(b));
        characters_[b] = c;
        if (c) codes_.emplace_back(*c, static_cast<std::uint8_t>(b));
    }
    // Stable: when two bytes decode to one character, the lower byte comes first.
    std::stable_sort(codes_.begin(), codes_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
}

std::optional<std::uint8_t> AnsiTable::code(char32_t c) const {
    if (c > 0xFFFF) return std::nullopt;
    const auto it = std::lower_bound(codes_.begin(), codes_.end(), static_cast<char16_t>(c),
                                     [](const auto& entry, char16_t value) { return entry.first < value; });
    if (it == codes_.end() || it->first != c) return std::nullopt;
    return it->second;
}

}  // namespace kz
