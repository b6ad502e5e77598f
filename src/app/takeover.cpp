// The newest instance wins: a starting instance tells the running ones to close and
// waits until they have gone.
#include "app/instance.h"
#include "app/names.h"

namespace kz::app {

void Instance::takeover() {
    // A disabled box takes no commands, so this instance does not act on its own "close".
    window_->setCommandBoxEnabled(false);
    const std::string_view command = switches_.closeAll ? kCommandCloseAll : kCommandClose;
    boxes_.broadcast(command, window_->commandBox());

    // "closeall" also waits for an instance that is still starting: its box takes the
    // command once its own takeover is over, and it would otherwise run on alone.
    const auto othersRunning = [this] {
        for (const auto other : s_.desktop.mainWindows()) {
            if (other == window_->handle()) continue;
            const std::string caption = s_.desktop.windowText(other);
            if (caption == kCaptionOptions) return true;
            if (switches_.closeAll && (caption == kCaptionService || caption == kCaptionLoading)) return true;
        }
        return false;
    };
    const auto startMs = s_.clock.milliseconds();
    const auto limitMs = static_cast<std::uint64_t>(kTakeoverLimitSeconds * 1000);
    while (othersRunning() && s_.clock.milliseconds() - startMs < limitMs) {
        // Nobody took it: unless one is still starting, no one ever will.
        if (!pokeCommand(command) && !(switches_.closeAll && startingOther())) break;
        s_.process.processPendingMessages();
        if (stopped()) return;
        if (othersRunning()) s_.process.idle(10);
    }
    window_->setCommandBoxEnabled(true);
}

bool Instance::startingOther() const {
    for (const auto other : s_.desktop.mainWindows()) {
        if (other != window_->handle() && s_.desktop.windowText(other) == kCaptionLoading) return true;
    }
    return false;
}

// The second channel. It reaches instances whose box is missing from `CommHwds` (a lost
// write, a machine-wide list the user may not write). The text goes to every other main
// window of our class with WM_COPYDATA (see the desktop backend): it needs no server,
// works across processes on every Windows version and under Wine, and is synchronous,
// so the sender knows whether anyone took it. The receiver
// puts the text into its command box only when the box is enabled, so the rules of the
// change handler apply unchanged. False when no instance took it: the loop then stops.
bool Instance::pokeCommand(std::string_view command) {
    bool taken = false;
    const auto own = window_->handle();
    for (const auto other : s_.desktop.mainWindows()) {
        if (other != own && s_.desktop.sendCommand(other, command)) taken = true;
    }
    return taken;
}

}  // namespace kz::app
