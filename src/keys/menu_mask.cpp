#include "keys/menu_mask.h"

#include "keys/virtual_keys.h"

namespace kz {

bool AltDown(const platform::Keyboard& keyboard) {
    return keyboard.asyncKeyDown(vk::kLMenu) || keyboard.asyncKeyDown(vk::kRMenu);
}

void SendMenuMask(platform::SyntheticInput& input) {
    input.keybdEvent(kMenuMaskKey, 0, kMenuMaskTag);
    input.keybdEvent(kMenuMaskKey, platform::kKeyEventKeyUp, kMenuMaskTag);
}

}  // namespace kz
