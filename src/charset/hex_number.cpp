#include "charset/hex_number.h"

#include <cmath>

namespace kz {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<char16_t> ReadCodeField(std::string_view field) {
    std::uint32_t value = 0;
    for (char c : field) {
        const int digit = HexDigit(c);
        if (digit < 0) break;
        value = value * 16 + static_cast<std::uint32_t>(digit);
        if (value > 0xFFFF) return std::nullopt;
    }
    return static_cast<char16_t>(value);
}

std::optional<char16_t> ReadHexGroup(std::string_view group) {
    if (group.empty() || group.size() > 4) return std::nullopt;
    unsigned value = 0;
    for (char c : group) {
        const int digit = HexDigit(c);
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return static_cast<char16_t>(value);
}

std::optional<long> RoundToRange(double value, long low, long high) {
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = std::nearbyint(value);  // the default mode rounds halves to even
    if (rounded < static_cast<double>(low) || rounded > static_cast<double>(high)) return std::nullopt;
    return static_cast<long>(rounded);
}

}  // namespace kz
