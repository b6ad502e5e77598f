#pragma once
// What a key types in the active layout, asked the way the key handler and the popup ask
// it: with no modifier down except, when requested, Shift.
#include <cstdint>

#include "platform/keyboard.h"

namespace kz {

// An ANSI character code, 0 to 255; 0 also stands for "the key types nothing".
using AnsiChar = std::uint8_t;

// `KeyToChar`: the character key `vk` types with only Shift (when `shift`) considered.
// Codes outside 0 to 255 become 0. The layout is asked twice so that a dead key does not
// stay pending in it.
AnsiChar KeyToChar(platform::Keyboard& keyboard, int vk, bool shift);

// `IsDeadKey`: true when the key is a dead key with that Shift state; the layout is then
// asked once more so that the accent does not stay pending.
bool IsDeadKey(platform::Keyboard& keyboard, int vk, bool shift);

// `CapsLockOn`: the Caps Lock toggle is on (its key state is exactly 1 or -127).
bool CapsLockOn(const platform::Keyboard& keyboard);

// The lower-case form of an ANSI character under the Western code page's rules (letters
// A-Z, the accented capitals and the three capitals that code page 1252 keeps at 0x8A,
// 0x8C, 0x8E and 0x9F). The key table is indexed by it.
constexpr AnsiChar LowerAnsi(AnsiChar c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    if (c == 0x8A || c == 0x8C || c == 0x8E) return c + 0x10;
    if (c == 0x9F) return 0xFF;
    return c;
}

}  // namespace kz
