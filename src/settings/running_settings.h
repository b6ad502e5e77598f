#pragma once
// The in-memory copy of the settings that the key handler and the popup read. Set by
// the start-up load and by the Options dialog's save.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace kz {

struct RunningSettings {
    std::int16_t trigger = 0;       // trigger number, 0 = Alt Gr
    std::string disableKeys;        // key-code notation already expanded
    bool disableOtherKeys = false;
    bool showNumbers = true;
    bool rememberState = true;
    bool autoInsert = false;
    bool displayUnicodeSymbol = false;
};

using ExpandKeyCodesFn = std::function<std::string(std::string_view)>;

// Reads the running settings from the store in start-up order: `Trigger`, `DisableKeys`
// (expanded), then the five flags.
RunningSettings ReadRunningSettings(const SettingsStore& store, const ExpandKeyCodesFn& expand);

}  // namespace kz
