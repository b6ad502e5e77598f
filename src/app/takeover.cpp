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

    const auto othersRunning = [this] {
        return s_.desktop.findMainWindow(kCaptionOptions) != 0 ||
               (switches_.closeAll && s_.desktop.findMainWindow(kCaptionService) != 0);
    };
    const auto startMs = s_.clock.milliseconds();
    const auto limitMs = static_cast<std::uint64_t>(kTakeoverLimitSeconds * 1000);
    while (othersRunning() && s_.clock.milliseconds() - startMs < limitMs) {
        if (!pokeCommand(command)) break;
        s_.process.processPendingMessages();
        if (s_.process.ended()) return;
        if (othersRunning()) s_.process.idle(10);
    }
    window_->setCommandBoxEnabled(true);
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
