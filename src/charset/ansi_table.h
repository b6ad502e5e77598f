#pragma once
// The 256 characters of the system's ANSI code page, decoded once, and the way back from
// a character to its ANSI code. Used for the "Unicode only" flag of character records,
// for the key code of a body line's key character and for the [[n]] key-code notation.
#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "platform/code_page.h"

namespace kz {

class AnsiTable {
public:
    explicit AnsiTable(const platform::CodePage& codePage);

    // The character byte `code` stands for on its own, if any.
    std::optional<char16_t> character(std::uint8_t code) const { return characters_[code]; }
    // The lowest byte that decodes to `c`, or nothing when no byte does. NUL is byte 0.
    std::optional<std::uint8_t> code(char32_t c) const;
    bool isAnsi(char32_t c) const { return code(c).has_value(); }

private:
    std::array<std::optional<char16_t>, 256> characters_{};
    std::vector<std::pair<char16_t, std::uint8_t>> codes_;  // sorted by character
};

}  // namespace kz
