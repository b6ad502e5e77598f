#pragma once
// The start-up load of the interception instance: languages, running settings, the popup
// loaded hidden, pending messages, the keyboard hook, in that order. The steps that other
// modules own come in through StartupLoadSteps.
#include <string>
#include <string_view>

#include "settings/running_settings.h"
#include "settings/settings_store.h"

namespace kz {

class StartupLoadSteps {
public:
    virtual ~StartupLoadSteps() = default;
    // Builds the language set and the key table from the data files and the store.
    virtual void loadLanguages() = 0;
    // Expands the [[code]] key-code notation of the disable-keys text (ExpandKeyCodes).
    virtual std::string expandKeyCodes(std::string_view text) = 0;
    // Loads the popup with width 0 (hidden), visible and topmost.
    virtual void loadPopupHidden() = 0;
    virtual void processPendingMessages() = 0;
    virtual void installKeyboardHook() = 0;
};

// Runs the load and fills `running`, which the caller owns (the key handler reads it).
void StartupLoad(const SettingsStore& store, RunningSettings& running, StartupLoadSteps& steps);

}  // namespace kz
