#pragma once
// The installer runs with administrator rights. When a standard user types an
// administrator's password to install, the installer and the language picker it starts
// run in the administrator's account, so the picker's per-user `Languages` lands in the
// administrator's settings, not in those of the user who installs. The picker therefore
// also keeps its choice machine-wide (`SetupLanguages`), and a user who has no language
// order of their own yet takes it over when the program starts for them.
#include <string_view>

#include "settings/settings_store.h"

namespace kz::firstrun {

// Keeps the order chosen during installation for every user of the machine. A refused
// write loses nothing: the installer then runs in the installing user's own account,
// whose `Languages` already holds the choice.
void KeepInstallerLanguages(SettingsStore& store, std::string_view order);

// Gives a user without a `Languages` of their own the order chosen during installation.
// A stored order, even an empty one, is the user's own and stays.
void AdoptInstallerLanguages(SettingsStore& store);

}  // namespace kz::firstrun
