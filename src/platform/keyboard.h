#pragma once
// The keyboard as the key handler asks about it: which keys are down, the toggle state
// of a lock key, and what a key types in the active layout. On Windows these are
// GetAsyncKeyState, GetKeyState, ToUnicodeEx and GetKeyboardLayoutNameA; the simulated
// desktop answers from its own key-state table and layouts.
#include <cstdint>
#include <string>

namespace kz::platform {

// What ToAscii reported for one key.
struct AsciiTranslation {
    int result = 0;            // 0 no character, 1 or 2 characters, negative: a dead key
    std::uint16_t buffer = 0;  // the low 16 bits of the output buffer (the first character)
};

class Keyboard {
public:
    virtual ~Keyboard() = default;

    // GetAsyncKeyState(vk) is not 0: the key is down right now for the system (an event
    // that the hook swallowed never counts).
    virtual bool asyncKeyDown(int vk) const = 0;
    // GetKeyState(vk) as returned: bit 15 (negative value) down, bit 0 toggled on.
    virtual std::int16_t keyState(int vk) const = 0;
    // What ToAscii(vk, scan code 0, state, buffer, 0) answers with a 256-byte key state
    // that is all 0 except element VK_SHIFT = 0x80 when `shift` is true: the character in
    // the system's ANSI code page. Asked without changing the keyboard state where the
    // system allows it; elsewhere a dead key leaves its accent pending, so callers ask
    // twice. Not const for that reason.
    virtual AsciiTranslation toAscii(int vk, bool shift) = 0;
    // GetKeyboardLayoutNameA of the active layout, e.g. "00000409".
    virtual std::string layoutName() const = 0;
};

}  // namespace kz::platform
