#include "platform/sim/sim_main_window.h"

#include "platform/sim/sim_process.h"

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_world.h"

namespace kz::sim {

SimMainWindow::~SimMainWindow() {
    // The listener dies with its owner: a window left behind must not call it.
    if (SimWindow* window = world_.window(handle_)) window->listener = nullptr;
}

// Null once destroyed, and already while the destruction waits for the next message pass.
SimWindow* SimMainWindow::self() const {
    SimWindow* window = world_.window(handle_);
    return window != nullptr && !window->destroying ? window : nullptr;
}

SimWindow* SimMainWindow::box() const {
    const SimWindow* window = self();
    return window == nullptr ? nullptr : world_.window(window->commandBox);
}

const SimWindow* SimMainWindow::record() const { return self(); }

platform::WindowHandle SimMainWindow::handle() const { return self() ? handle_ : 0; }

void SimMainWindow::setCaption(std::string_view caption) {
    if (SimWindow* window = self()) window->text = std::string(caption);
}

std::string SimMainWindow::caption() const {
    const SimWindow* window = self();
    return window ? window->text : std::string();
}

void SimMainWindow::setVisible(bool visible) {
    if (SimWindow* window = self()) window->visible = visible;
}

bool SimMainWindow::isVisible() const { return self() && self()->visible; }

bool SimMainWindow::setTopmost(bool topmost) {
    SimWindow* window = self();
    if (window == nullptr) return false;
    window->topmost = topmost;
    return true;
}

void SimMainWindow::setIcon(std::string_view resourceName, bool) {
    if (SimWindow* window = self()) window->icon = std::string(resourceName);
}

void SimMainWindow::setOuterWidthTwips(int twips) {
    if (SimWindow* window = self()) window->outerWidthTwips = twips;
}

platform::WindowHandle SimMainWindow::commandBox() const {
    const SimWindow* window = self();
    return window ? window->commandBox : 0;
}

std::string SimMainWindow::commandText() const {
    const SimWindow* b = box();
    return b ? b->text : std::string();
}

void SimMainWindow::setCommandText(std::string_view text) {
    if (const SimWindow* window = self()) DeliverText(world_, window->commandBox, text, window->processId);
}

void SimMainWindow::setCommandBoxEnabled(bool enabled) {
    if (SimWindow* b = box()) b->enabled = enabled;
}

bool SimMainWindow::commandBoxEnabled() const { return box() && box()->enabled; }

void SimMainWindow::startTimer(unsigned intervalMs) {
    SimWindow* window = self();
    if (window == nullptr) return;
    window->timerIntervalMs = intervalMs;
    window->timerDueMs = world_.clock().milliseconds() + intervalMs;
}

void SimMainWindow::stopTimer() {
    if (SimWindow* window = self()) window->timerIntervalMs = 0;
}

// Unloading often starts inside a message of this very window, so, as on Windows, the
// window leaves every lookup at once (hidden, no caption, its box refusing commands) and
// is destroyed at its process's next message pass: until then the process has not ended.
void SimMainWindow::destroy() {
    SimWindow* window = self();
    if (window == nullptr) return;
    window->destroying = true;
    window->visible = false;
    window->text.clear();
    window->timerIntervalMs = 0;
    if (SimWindow* b = world_.window(window->commandBox)) b->enabled = false;
    SimProcess* process = world_.processById(window->processId);
    if (process == nullptr) return CloseWindow(world_, handle_);
    process->post([&world = world_, handle = handle_] { CloseWindow(world, handle); });
}

void SimMainWindow::runLater(std::function<void()> work) {
    const SimWindow* window = self();
    SimProcess* process = window ? world_.processById(window->processId) : nullptr;
    if (process == nullptr) return;
    process->post([&world = world_, handle = handle_, work = std::move(work)] {
        const SimWindow* target = world.window(handle);
        if (target != nullptr && !target->destroying) work();
    });
}

}  // namespace kz::sim
