#pragma once
// The system's ANSI code page through MultiByteToWideChar (CP_ACP).
#include "platform/code_page.h"

namespace kz::win32 {

class SystemCodePage final : public platform::CodePage {
public:
    std::u16string decode(std::string_view bytes) const override;
    std::optional<char16_t> decodeByte(std::uint8_t b) const override;
};

}  // namespace kz::win32
