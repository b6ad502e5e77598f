// The service instance: a watchdog started at logon that starts the interception
// instance when `AutoStart` says so, then only waits for "closeall".
#include "app/instance.h"
#include "app/names.h"
#include "settings/setting_access.h"

namespace kz::app {

void Instance::serviceStartup() {
    const bool autoStart = settings::Read(s_.store, settings::kAutoStart) == settings::kYes;
    const bool duplicate = s_.desktop.findMainWindow(kCaptionService) != 0;
    if (!duplicate) window_->setCaption(kCaptionService);
    // A second service never stays, but it still starts a missing interception instance.
    if ((autoStart || switches_.install) && s_.desktop.findMainWindow(kCaptionOptions) == 0) {
        const auto arguments = switches_.install ? "/install" : "/mainstart";
        s_.process.start(ExeCommandLine(s_.process.applicationFolder(), arguments),
                         platform::ShowMode::Normal);
    }
    if (duplicate) s_.process.end();
}

void EnsureServiceRunning(platform::Desktop& desktop, platform::Process& process) {
    if (desktop.findMainWindow(kCaptionService) != 0) return;
    process.start(ExeCommandLine(process.applicationFolder(), "/service"),
                  platform::ShowMode::NoActivate);
}

}  // namespace kz::app
