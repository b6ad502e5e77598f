#include "platform/sim/sim_process.h"

#include "platform/sim/sim_world.h"

namespace kz::sim {

SimProcess::SimProcess(SimWorld& world, int id, std::string arguments)
    : world_(world), id_(id), arguments_(std::move(arguments)), desktop_(world, *this) {
    world_.attach(this);
}

SimProcess::~SimProcess() { world_.detach(this); }

// The world's folder itself, so that a test may set it after the process has started.
const std::string& SimProcess::applicationFolder() { return world_.applicationFolder(); }

bool SimProcess::start(std::string_view commandLine, platform::ShowMode show) {
    world_.queueLaunch({std::string(commandLine), show});
    return true;
}

void SimProcess::end() {
    if (ended_) return;
    ended_ = true;
    releaseStartLock();
    for (const auto handle : world_.windowsOf(id_)) world_.removeWindow(handle);
    posted_.clear();
}

void SimProcess::processPendingMessages() {
    if (ended_) return;
    ++passDepth_;
    if (world_.beforeMessagePass) world_.beforeMessagePass(*this);
    // Waiting input reaches the hook, even while it is deciding an event, and posted
    // mouse messages their window.
    world_.input().deliverWaiting();
    world_.mouseWindows().runMessages();
    // Only the work present now: what it posts runs at the next pass.
    for (auto count = posted_.size(); count > 0 && !ended_; --count) {
        auto work = std::move(posted_.front());
        posted_.pop_front();
        work();
    }
    if (!ended_) fireDueTimers();
    --passDepth_;
}

// While this process sleeps the others run: each takes its message pass (one that is
// busy further up the call stack is skipped, as it would not be waiting for messages).
void SimProcess::idle(unsigned maxMs) {
    world_.clock().advance(maxMs == 0 ? 1 : maxMs);
    ++passDepth_;
    for (SimProcess* other : world_.runningProcesses()) {
        if (other != this && other->passDepth_ == 0) other->processPendingMessages();
    }
    --passDepth_;
}

// While the lock is held elsewhere the others run, the holder's start-up among them when
// it is waiting for messages, and the wait returns at the first chance to take the lock.
bool SimProcess::takeStartLock(unsigned maxMs) {
    const auto free = [this] {
        if (world_.startLockOwner == 0 || world_.startLockOwner == id_) return true;
        const SimProcess* owner = world_.processById(world_.startLockOwner);
        return owner == nullptr || owner->ended();
    };
    if (!free()) idle(maxMs);
    if (!free()) return false;
    world_.startLockOwner = id_;
    return true;
}

void SimProcess::releaseStartLock() {
    if (world_.startLockOwner == id_) world_.startLockOwner = 0;
}

void SimProcess::fireDueTimers() {
    const auto now = world_.clock().milliseconds();
    for (const auto handle : world_.windowsOf(id_)) {
        SimWindow* window = world_.window(handle);
        if (window == nullptr || window->timerIntervalMs == 0 || now < window->timerDueMs) continue;
        // One tick however late, as WM_TIMER coalesces.
        window->timerDueMs = now + window->timerIntervalMs;
        if (window->listener != nullptr) window->listener->onTimer();
        if (ended_) return;
    }
}

}  // namespace kz::sim
