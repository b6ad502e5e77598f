#include "keys/output.h"

#include <array>

#include "keys/virtual_keys.h"

namespace kz {

using platform::kKeyEventExtendedKey;
using platform::kKeyEventKeyUp;
using platform::kKeyEventUnicode;

void TypeUnicodeChar(platform::SyntheticInput& input, char16_t code) {
    const std::array<platform::KeyboardInput, 2> stroke{{
        {.vk = 0, .scan = code, .flags = kKeyEventUnicode},
        {.vk = 0, .scan = code, .flags = kKeyEventUnicode | kKeyEventKeyUp},
    }};
    input.sendInput(stroke);  // a refused character is simply not typed
}

void PressKey(platform::SyntheticInput& input, int vk) {
    input.keybdEvent(static_cast<std::uint8_t>(vk), kKeyEventExtendedKey, 0);
}

void ReleaseKey(platform::SyntheticInput& input, int vk) {
    input.keybdEvent(static_cast<std::uint8_t>(vk), kKeyEventExtendedKey | kKeyEventKeyUp, 0);
}

void ReleaseTriggerKeys(platform::SyntheticInput& input) {
    for (int key : {vk::kLControl, vk::kRControl, vk::kRMenu, vk::kLMenu}) ReleaseKey(input, key);
    for (int key = vk::kF1; key <= vk::kF12; ++key) ReleaseKey(input, key);
}

void PressTriggerAgain(platform::SyntheticInput& input, int trigger) {
    if (trigger == 0) {
        PressKey(input, vk::kRMenu);
    } else if (trigger == 1) {
        PressKey(input, vk::kControl);
        PressKey(input, vk::kLMenu);
        ReleaseKey(input, vk::kRMenu);
    } else if (trigger >= 2 && trigger <= 4) {
        PressKey(input, trigger + 119);
    } else if (trigger >= 5 && trigger <= 17) {
        PressKey(input, vk::kControl);
        PressKey(input, trigger + 107);
    }
}

}  // namespace kz
