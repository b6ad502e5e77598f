#pragma once
// The system's ANSI code page, the one the data files and every "A" system call use.
// On Windows it is the real one (GetACP, MultiByteToWideChar, CharLowerBuffW); the
// simulated platform answers with one of the Windows code pages, Western by default.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kz::platform {

class CodePage {
public:
    virtual ~CodePage() = default;
    // Decodes a run of bytes as text. Single-byte code pages give one character per byte;
    // double-byte ones may join two bytes into one character.
    virtual std::u16string decode(std::string_view bytes) const = 0;
    // The character that the single byte `b` decodes to on its own, or nothing when that
    // byte alone is no character (a lead byte of a double-byte code page). Byte 0 is NUL.
    virtual std::optional<char16_t> decodeByte(std::uint8_t b) const = 0;
    // The byte of the lower-case form of the character `b` stands for, by the system's own
    // case rules (so "\xC0" is "\xE0" in Western and in Cyrillic, for different letters);
    // `b` itself when it has no lower case in this code page.
    virtual std::uint8_t lowerByte(std::uint8_t b) const = 0;
};

}  // namespace kz::platform
