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

    if (!waitForStartLock()) return;
    const bool started = startRole();
    s_.process.releaseStartLock();  // before any dialog: the next start-up need not wait for it
    if (!started) return;

    if (switches_.tutorial) steps_.showTutorial();
    if (switches_.options) steps_.openOptions();
}

// Start-ups run one after another, so that each sees the windows and the command boxes of
// the one before it: two instances started together would otherwise each miss the other
// and both stay. A holder that hangs keeps the others waiting no longer than the limit.
bool Instance::waitForStartLock() {
    const auto startMs = s_.clock.milliseconds();
    const auto limitMs = static_cast<std::uint64_t>(kStartLockLimitSeconds * 1000);
    while (!s_.process.takeStartLock(kStartLockPollMs)) {
        s_.process.processPendingMessages();  // a "close" reaches a start-up that waits
        if (stopped()) return false;
        if (s_.clock.milliseconds() - startMs >= limitMs) break;
    }
    return !stopped();
}

// The steps of the role the command line gives, run under the start-up lock; false when
// the process stopped on the way.
bool Instance::startRole() {
    if (switches_.service) {
        serviceStartup();
    } else {
        takeover();
    }
    if (stopped()) return false;
    if (switches_.closeAll) {
        s_.process.end();
        return false;
    }

    if (switches_.service) {
        window_->startTimer(kServiceTimerMs);
        onTimer();
    } else {
        interceptionStartup();
    }
    if (stopped()) return false;

    EnsureServiceRunning(s_.desktop, s_.process);
    boxes_.registerBox(window_->commandBox());
    boxes_.clean();
    boxes_.clean();
    return true;
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
