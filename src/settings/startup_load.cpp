#include "settings/startup_load.h"

namespace kz {

void StartupLoad(const SettingsStore& store, RunningSettings& running, StartupLoadSteps& steps) {
    steps.loadLanguages();
    running = ReadRunningSettings(
        store, [&steps](std::string_view text) { return steps.expandKeyCodes(text); });
    steps.loadPopupHidden();
    steps.processPendingMessages();
    steps.installKeyboardHook();
}

}  // namespace kz
