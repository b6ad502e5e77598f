#pragma once
// Synthesised input through SendInput and keybd_event.
#include "platform/synth_input.h"

namespace kz::win32 {

class Win32SyntheticInput final : public platform::SyntheticInput {
public:
    unsigned sendInput(std::span<const platform::KeyboardInput> records) override;
    void keybdEvent(std::uint8_t vk, std::uint32_t flags, std::uintptr_t extraInfo) override;
};

}  // namespace kz::win32
