#pragma once
// The simulated system code page: one of the Windows code pages 1250 (Central European),
// 1251 (Cyrillic), 1252 (Western, the default) and 1254 (Turkish), decoded and lower-cased
// the way Windows does, so the bytes a code page leaves unassigned give the control
// characters of the same number.
#include <array>

#include "platform/code_page.h"

namespace kz::sim {

class SimCodePage final : public platform::CodePage {
public:
    explicit SimCodePage(int number = 1252);
    std::u16string decode(std::string_view bytes) const override;
    std::optional<char16_t> decodeByte(std::uint8_t b) const override;
    std::uint8_t lowerByte(std::uint8_t b) const override;

private:
    char16_t decodeOne(std::uint8_t b) const;
    const std::array<char16_t, 128>* high_;
};

using Windows1252CodePage = SimCodePage;

}  // namespace kz::sim
