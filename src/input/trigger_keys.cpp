#include "input/trigger_keys.h"

#include "keys/virtual_keys.h"

namespace kz {

TriggerKeys TriggerKeysFor(int trigger) {
    TriggerKeys keys;
    if (trigger >= 2 && trigger <= 4) keys.fkey = trigger + 119;
    if (trigger >= 5 && trigger <= 17) keys.fkey = trigger + 107;
    if (trigger == 1) {
        keys.mod1 = vk::kLMenu;
        keys.mod2 = vk::kControl;
    } else if (trigger >= 5 && trigger <= 17) {
        keys.mod1 = keys.fkey;
        keys.mod2 = vk::kControl;
    }
    return keys;
}

}  // namespace kz
