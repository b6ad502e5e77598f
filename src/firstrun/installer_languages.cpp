#include "firstrun/installer_languages.h"

#include "settings/setting_access.h"

namespace kz::firstrun {

void KeepInstallerLanguages(SettingsStore& store, std::string_view order) {
    settings::Write(store, settings::kSetupLanguages, order);
}

void AdoptInstallerLanguages(SettingsStore& store) {
    const auto& own = settings::kLanguages;
    const auto stored = store.registry().query(own.scope, SettingsStore::keyPath(own.section), own.name);
    if (stored && stored->type == platform::ValueType::String) return;
    const std::string chosen = settings::Read(store, settings::kSetupLanguages);
    if (!chosen.empty()) settings::Write(store, own, chosen);
}

}  // namespace kz::firstrun
