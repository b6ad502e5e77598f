#include "app/instance.h"

#include "app/names.h"
#include "firstrun/installer_languages.h"
#include "settings/startup_load.h"

namespace kz::app {
namespace {

// The start-up load's steps, taken from the program's steps and the process.
class LoadSteps final : public StartupLoadSteps {
public:
    LoadSteps(ProgramSteps& steps, platform::Process& process) : steps_(steps), process_(process) {}
    void loadLanguages() override { steps_.loadLanguages(); }
    std::string expandKeyCodes(std::string_view text) override { return steps_.expandKeyCodes(text); }
    void loadPopupHidden() override { steps_.loadPopupHidden(); }
    void processPendingMessages() override { process_.processPendingMessages(); }
    void installKeyboardHook() override { steps_.installKeyboardHook(); }

private:
    ProgramSteps& steps_;
    platform::Process& process_;
};

}  // namespace

Instance::Instance(Links links, ProgramSteps& steps)
    : s_(links), steps_(steps), boxes_(links.store, links.desktop) {}

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

    if (switches_.tutorial) steps_.showTutorial();
    if (switches_.options) steps_.openOptions();
}

// "/setup" and "/wait" divert the process before anything else; false when they did.
bool Instance::runEarlySwitches() {
    if (switches_.setup) {
        steps_.showSetup();
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
    LoadSteps steps(steps_, s_.process);
    StartupLoad(s_.store, running_, steps);
    if (s_.process.ended()) return;
    steps_.addTrayIcon(*window_, kTrayTooltip);
    steps_.prepareOptionsLayout(*window_);
    window_->setOuterWidthTwips(kOptionsOuterWidthTwips);
}

void Instance::onTimer() {
    ++serviceTicks_;
    steps_.serviceTick(serviceTicks_);
}

}  // namespace kz::app
