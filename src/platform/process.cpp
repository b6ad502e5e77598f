#include "platform/process.h"

#include <cmath>

namespace kz::platform {

void Wait(Process& process, const Clock& clock, double seconds) {
    if (!(seconds > 0.0)) return;  // also catches NaN
    const std::uint64_t start = clock.milliseconds();
    const double wantedMs = seconds * 1000.0;
    while (static_cast<double>(clock.milliseconds() - start) < wantedMs && !process.ended()) {
        process.processPendingMessages();
    }
}

}  // namespace kz::platform
