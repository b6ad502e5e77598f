#pragma once
// Typing into the foreground application. Every character goes out as one Unicode key
// stroke; trigger keys are released before it and, after an automatic insert, the ones the
// user still holds are pressed again. The events come back through our own keyboard hook
// like typed ones.
#include <array>
#include <cstdint>
#include <span>

#include "platform/keyboard.h"
#include "platform/synth_input.h"

namespace kz {

// `TypeUnicodeChar`: one SendInput call with the press and the release of `code`.
void TypeUnicodeChar(platform::SyntheticInput& input, char16_t code);

// `PressKey` and `ReleaseKey`: keybd_event for `vk`. The system decides the side of a Ctrl
// or Alt by the extended-key flag, whatever side the code names, so the flag is set for
// the right-hand keys only: a left Ctrl sent with it would go down or up as the right one.
void PressKey(platform::SyntheticInput& input, int vk);
void ReleaseKey(platform::SyntheticInput& input, int vk);

// `ReleaseTriggerKeys`: key-ups of left Ctrl, right Ctrl, right Alt, left Alt and F1 to
// F12, in that order, whether or not they are down.
void ReleaseTriggerKeys(platform::SyntheticInput& input);

// The Ctrl and Alt keys that are down for the system, left and right apart. Taken before
// the trigger keys are released, they are the keys the user holds: no modifier event is
// ever swallowed.
struct HeldKeys {
    std::array<int, 4> keys{};
    std::size_t count = 0;
    std::span<const int> list() const { return {keys.data(), count}; }
};
HeldKeys HeldCtrlAndAlt(const platform::Keyboard& keyboard);

// `PressTriggerAgain`: after an automatic insert, presses again exactly the keys in `held`
// so that the system's key state matches what the user still holds. Pressing any other
// key would leave it down for good once the user lets go of the real ones.
void PressTriggerAgain(platform::SyntheticInput& input, std::span<const int> held);

}  // namespace kz
