#include "platform/process.h"

#include <algorithm>
#include <cmath>

namespace kz::platform {

void Wait(Process& process, const Clock& clock, double seconds) {
    if (!(seconds > 0.0)) return;  // also catches NaN
    const std::uint64_t start = clock.milliseconds();
    const double wantedMs = seconds * 1000.0;
    for (;;) {
        process.processPendingMessages();
        if (process.ended()) return;
        const double elapsed = static_cast<double>(clock.milliseconds() - start);
        if (elapsed >= wantedMs) return;
        const double left = std::ceil(wantedMs - elapsed);
        process.idle(static_cast<unsigned>(std::min(left, 10.0)));
    }
}

}  // namespace kz::platform
