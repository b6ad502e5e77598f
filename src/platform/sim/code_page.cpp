#include "platform/sim/code_page.h"

#include <array>

namespace kz::sim {
namespace {

// Bytes 80 to 9F; every other byte stands for the character of the same number.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t Decode1252(std::uint8_t b) {
    return b >= 0x80 && b < 0xA0 ? kHighControlRange[b - 0x80] : static_cast<char16_t>(b);
}

}  // namespace

std::u16string Windows1252CodePage::decode(std::string_view bytes) const {
    std::u16string text;
    text.reserve(bytes.size());
    for (char c : bytes) text += Decode1252(static_cast<std::uint8_t>(c));
    return text;
}

std::optional<char16_t> Windows1252CodePage::decodeByte(std::uint8_t b) const {
    return Decode1252(b);
}

}  // namespace kz::sim
