#pragma once
// Typing into the foreground application. Every character goes out as one Unicode key
// stroke; trigger keys are released before it and, after an automatic insert, pressed
// again. The events come back through our own keyboard hook like typed ones.
#include <cstdint>

#include "platform/synth_input.h"

namespace kz {

// `TypeUnicodeChar`: one SendInput call with the press and the release of `code`.
void TypeUnicodeChar(platform::SyntheticInput& input, char16_t code);

// `PressKey` and `ReleaseKey`: keybd_event with the extended-key flag.
void PressKey(platform::SyntheticInput& input, int vk);
void ReleaseKey(platform::SyntheticInput& input, int vk);

// `ReleaseTriggerKeys`: key-ups of left Ctrl, right Ctrl, right Alt, left Alt and F1 to
// F12, in that order, whether or not they are down.
void ReleaseTriggerKeys(platform::SyntheticInput& input);

// `PressTriggerAgain`: presses the keys of trigger `trigger` again so that the system's
// key state matches what the user still holds after an automatic insert.
void PressTriggerAgain(platform::SyntheticInput& input, int trigger);

}  // namespace kz
