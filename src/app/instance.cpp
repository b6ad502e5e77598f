#include "app/instance.h"

#include "app/names.h"
#include "firstrun/installer_languages.h"
#include "settings/startup_load.h"

namespace kz::app {
namespace {

// The start-up load's steps, taken from the program's steps and the process.
class LoadSteps final : public StartupLoadSteps {
public:
    LoadSteps(ProgramSteps& steps, platform::Process& process, const Instance& instance)
        : steps_(steps), process_(process), instance_(instance) {}
    void loadLanguages() override {
        if (!instance_.stopped()) steps_.loadLanguages();
    }
    std::string expandKeyCodes(std::string_view text) override { return steps_.expandKeyCodes(text); }
    void loadPopupHidden() override {
        if (!instance_.stopped()) steps_.loadPopupHidden();
    }
    void processPendingMessages() override {
        if (!instance_.stopped()) process_.processPendingMessages();
    }
    // A "close" handled in the message pass above has already removed everything: a hook
    // installed now would live on in a process that nothing can close any more.
    void installKeyboardHook() override {
        if (!instance_.stopped()) steps_.installKeyboardHook();
    }

private:
    ProgramSteps& steps_;
    platform::Process& process_;
    const Instance& instance_;
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
    if (stopped()) return;
    if (switches_.closeAll) return s_.process.end();

    if (switches_.service) {
        window_->startTimer(kServiceTimerMs);
        onTimer();
    } else {
        interceptionStartup();
    }
    if (stopped()) return;

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
    LoadSteps steps(steps_, s_.process, *this);
    StartupLoad(s_.store, running_, steps);
    if (stopped()) return;
    window_->startTimer(kHookRefreshMs);
    steps_.addTrayIcon(*window_, kTrayTooltip);
    window_->setOuterWidthTwips(kOptionsOuterWidthTwips);
}

// The system drops a low-level hook without notice (after sleep, or when the callback once
// ran too long); the handle still looks valid, so the hook is put in anew. Not while the
// Options dialog has it removed, and never in the service instance.
void Instance::onSystemResumed() {
    if (stopped() || switches_.service || optionsOpen_) return;
    steps_.reinstallKeyboardHook();
}

void Instance::onTimer() {
    if (!switches_.service) return onSystemResumed();  // the periodic hook refresh
    ++serviceTicks_;
    steps_.serviceTick(serviceTicks_);
}

}  // namespace kz::app
