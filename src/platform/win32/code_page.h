#pragma once
// The system's ANSI code page through MultiByteToWideChar (CP_ACP) and the system's
// case mapping (CharLowerBuffW).
#include "platform/code_page.h"

namespace kz::win32 {

class SystemCodePage final : public platform::CodePage {
public:
    std::u16string decode(std::string_view bytes) const override;
    std::optional<char16_t> decodeByte(std::uint8_t b) const override;
    std::uint8_t lowerByte(std::uint8_t b) const override;
};

}  // namespace kz::win32
