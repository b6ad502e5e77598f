#pragma once
// Keeps the foreground application out of menu mode. An application that sees an Alt key
// go down and up with no other key between opens its menu bar, so that the next key goes
// to the menu. When the key handler swallows a key while Alt is down, the application saw
// nothing between; a press and release of an unassigned key, injected while Alt is still
// down, breaks the pair. The events carry kMenuMaskTag so that our own handler passes
// them untouched.
#include <cstdint>

#include "platform/keyboard.h"
#include "platform/synth_input.h"

namespace kz {

inline constexpr std::uint8_t kMenuMaskKey = 0xE8;  // unassigned in every layout
inline constexpr std::uintptr_t kMenuMaskTag = 0x4B5A4D4B;  // "KZMK"

// True when either Alt key is down for the system.
bool AltDown(const platform::Keyboard& keyboard);

// Injects the mask key's press and release.
void SendMenuMask(platform::SyntheticInput& input);

}  // namespace kz
