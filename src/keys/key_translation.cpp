#include "keys/key_translation.h"

#include "keys/virtual_keys.h"

namespace kz {

AnsiChar KeyToChar(platform::Keyboard& keyboard, int vk, bool shift) {
    const auto translation = keyboard.toAscii(vk, shift);
    // The buffer's low 16 bits read as a signed number; anything outside 0..255 is "none".
    const auto code = static_cast<std::int16_t>(translation.buffer);
    keyboard.toAscii(vk, shift);
    if (code < 0 || code > 255) return 0;
    return static_cast<AnsiChar>(code);
}

bool IsDeadKey(platform::Keyboard& keyboard, int vk, bool shift) {
    if (keyboard.toAscii(vk, shift).result >= 0) return false;
    keyboard.toAscii(vk, shift);
    return true;
}

bool CapsLockOn(const platform::Keyboard& keyboard) {
    const std::int16_t state = keyboard.keyState(vk::kCapital);
    return state == 1 || state == -127;
}

LowerCaseTable MakeLowerCaseTable(const platform::CodePage& codePage) {
    LowerCaseTable table{};
    for (int i = 0; i < 256; ++i) table[i] = codePage.lowerByte(static_cast<AnsiChar>(i));
    return table;
}

}  // namespace kz
