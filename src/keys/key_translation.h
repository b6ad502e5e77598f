#pragma once
// What a key types in the active layout, asked the way the key handler and the popup ask
// it: with no modifier down except, when requested, Shift.
#include <array>
#include <cstdint>

#include "platform/code_page.h"
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

// The lower-case form of each ANSI character by the system code page's own case rules;
// the key table is indexed by it. Built once: asking the system per key would cost a call
// on every key of the desktop.
using LowerCaseTable = std::array<AnsiChar, 256>;
LowerCaseTable MakeLowerCaseTable(const platform::CodePage& codePage);

}  // namespace kz
