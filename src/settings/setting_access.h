#pragma once
// Reading and writing one value of the settings table through the store.
#include <string>
#include <string_view>

#include "settings/settings_store.h"
#include "settings/settings_table.h"

namespace kz::settings {

inline std::string Read(const SettingsStore& store, const Setting& setting) {
    return store.read(setting.scope, setting.section, setting.name, setting.fallback);
}

// A flag is true exactly when its text is "Yes" (case-sensitive: "yes" is false).
inline bool ReadFlag(const SettingsStore& store, const Setting& setting) {
    return Read(store, setting) == kYes;
}

inline void Write(SettingsStore& store, const Setting& setting, std::string_view text) {
    store.write(setting.scope, setting.section, setting.name, text);
}

inline void WriteFlag(SettingsStore& store, const Setting& setting, bool on) {
    Write(store, setting, on ? kYes : kNo);
}

}  // namespace kz::settings
