#pragma once
// The simulated system code page: Windows-1252 (Western), decoded the way Windows does,
// so the five bytes the code page leaves unassigned (81, 8D, 8F, 90, 9D) give the C1
// control characters of the same number.
#include "platform/code_page.h"

namespace kz::sim {

class Windows1252CodePage final : public platform::CodePage {
public:
    std::u16string decode(std::string_view bytes) const override;
    std::optional<char16_t> decodeByte(std::uint8_t b) const override;
};

}  // namespace kz::sim
