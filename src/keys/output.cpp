#include "keys/output.h"

#include <array>

#include "keys/virtual_keys.h"

namespace kz {

using platform::kKeyEventExtendedKey;
using platform::kKeyEventKeyUp;
using platform::kKeyEventUnicode;

namespace {

constexpr std::array<int, 4> kCtrlAndAlt = {vk::kLControl, vk::kRControl, vk::kLMenu, vk::kRMenu};

std::uint32_t SideFlag(int vk) { return vk == vk::kRControl || vk == vk::kRMenu ? kKeyEventExtendedKey : 0; }

}  // namespace

void TypeUnicodeChar(platform::SyntheticInput& input, char16_t code) {
    const std::array<platform::KeyboardInput, 2> stroke{{
        {.vk = 0, .scan = code, .flags = kKeyEventUnicode},
        {.vk = 0, .scan = code, .flags = kKeyEventUnicode | kKeyEventKeyUp},
    }};
    input.sendInput(stroke);  // a refused character is simply not typed
}

void PressKey(platform::SyntheticInput& input, int vk) {
    input.keybdEvent(static_cast<std::uint8_t>(vk), SideFlag(vk), 0);
}

void ReleaseKey(platform::SyntheticInput& input, int vk) {
    input.keybdEvent(static_cast<std::uint8_t>(vk), SideFlag(vk) | kKeyEventKeyUp, 0);
}

void ReleaseTriggerKeys(platform::SyntheticInput& input) {
    for (int key : {vk::kLControl, vk::kRControl, vk::kRMenu, vk::kLMenu}) ReleaseKey(input, key);
    for (int key = vk::kF1; key <= vk::kF12; ++key) ReleaseKey(input, key);
}

HeldKeys HeldCtrlAndAlt(const platform::Keyboard& keyboard) {
    HeldKeys held;
    for (int key : kCtrlAndAlt) {
        if (keyboard.asyncKeyDown(key)) held.keys[held.count++] = key;
    }
    return held;
}

void PressTriggerAgain(platform::SyntheticInput& input, std::span<const int> held) {
    for (int key : held) PressKey(input, key);
}

}  // namespace kz
