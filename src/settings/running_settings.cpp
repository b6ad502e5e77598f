#include "settings/running_settings.h"

#include "settings/setting_access.h"
#include "settings/trigger.h"

namespace kz {

RunningSettings ReadRunningSettings(const SettingsStore& store, const ExpandKeyCodesFn& expand) {
    RunningSettings running;
    running.trigger = ParseTrigger(settings::Read(store, settings::kTrigger));
    const std::string disableKeys = settings::Read(store, settings::kDisableKeys);
    running.disableKeys = expand ? expand(disableKeys) : disableKeys;
    running.disableOtherKeys = settings::ReadFlag(store, settings::kDisableOtherKeys);
    running.showNumbers = settings::ReadFlag(store, settings::kShowNumbers);
    running.rememberState = settings::ReadFlag(store, settings::kRememberState);
    running.autoInsert = settings::ReadFlag(store, settings::kAutoInsert);
    running.displayUnicodeSymbol = settings::ReadFlag(store, settings::kDisplayUnicodeSymbol);
    return running;
}

}  // namespace kz
