#include "app/instance.h"

#include "app/names.h"
#include "firstrun/installer_languages.h"
#include "settings/startup_load.h"

namespace kz::app {
namespace {

// The start-up load's steps, taken from the instance's parts and its process.
class LoadSteps final : public StartupLoadSteps {
public:
    LoadSteps(InstanceParts& parts, platform::Process& process) : parts_(parts), process_(process) {}
    void loadLanguages() override { parts_.loadLanguages(); }
    std::string expandKeyCodes(std::string_view text) override { return parts_.expandKeyCodes(text); }
    void loadPopupHidden() override { parts_.loadPopupHidden(); }
    void processPendingMessages() override { process_.processPendingMessages(); }
    void installKeyboardHook() override { parts_.installKeyboardHook(); }

private:
    InstanceParts& parts_;
    platform::Process& process_;
};

}  // namespace

Instance::Instance(InstanceServices services, InstanceParts& parts)
    : s_(services), parts_(parts), boxes_(services.store, services.desktop) {}

Instance::~Instance() = default;

void Instance::start() {
    commandLine_ = s_.process.commandLine();
    switches_ = ReadSwitches(commandLine_);
    window_ = s_.desktop.createMainWindow(*this);
    window_->setCaption(kCaptionLoading);
    if (!runEarlySwitches()) return;

    window_->setCaption(kCaptionLoading);
    window_->setIcon(kIconGroup, true);
    s_.process.hideFromTaskList();
    window_->setVisible(false);

    if (switches_.uninstall) return s_.process.end();
    if (switches_.install && !switches_.service &&
        s_.desktop.findWindowByCaption(kCaptionTutorial) != 0) {
        return s_.process.end();
    }

    if (switches_.service) {
        serviceStartup();
    } else {
        takeover();
    }
    if (s_.process.ended()) return;
    if (switches_.closeAll) return s_.process.end();

    if (switches_.service) {
        window_->startTimer(kServiceTimerMs);
        onTimer();
    } else {
        interceptionStartup();
    }
    if (s_.process.ended()) return;

    EnsureServiceRunning(s_.desktop, s_.process);
    boxes_.registerBox(window_->commandBox());
    boxes_.clean();
    boxes_.clean();

    if (switches_.tutorial) parts_.showTutorial();
    if (switches_.options) parts_.openOptions();
}

// "/setup" and "/wait" divert the process before anything else; false when they did.
bool Instance::runEarlySwitches() {
    if (switches_.setup) {
        parts_.showSetup();
        tag_ = kTagUnloadOnly;
        unloadMainWindow();
        return false;
    }
    if (switches_.wait) {
        window_->setCaption(kCaptionWaiting);
        platform::Wait(s_.process, s_.clock, switches_.waitSeconds);
        s_.process.end();
        return false;
    }
    return true;
}

void Instance::interceptionStartup() {
    window_->setCaption(kCaptionOptions);
    firstrun::AdoptInstallerLanguages(s_.store);  // before the languages are read
    LoadSteps steps(parts_, s_.process);
    StartupLoad(s_.store, running_, steps);
    if (s_.process.ended()) return;
    parts_.addTrayIcon(*window_, kTrayTooltip);
    parts_.prepareOptionsLayout(*window_);
    window_->setOuterWidthTwips(kOptionsOuterWidthTwips);
}

void Instance::onTimer() {
    ++serviceTicks_;
    parts_.serviceTick(serviceTicks_);
}

}  // namespace kz::app
