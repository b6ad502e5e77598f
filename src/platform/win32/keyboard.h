#pragma once
// The keyboard through GetAsyncKeyState, GetKeyState and ToUnicodeEx.
#include "platform/keyboard.h"

namespace kz::win32 {

class Win32Keyboard final : public platform::Keyboard {
public:
    bool asyncKeyDown(int vk) const override;
    std::int16_t keyState(int vk) const override;
    platform::AsciiTranslation toAscii(int vk, bool shift) override;
    std::string layoutName() const override;
};

}  // namespace kz::win32
