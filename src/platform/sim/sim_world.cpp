#include "platform/sim/sim_world.h"

#include <algorithm>

#include "platform/sim/sim_process.h"

namespace kz::sim {

std::string ArgumentsOf(std::string_view commandLine) {
    std::size_t pos = 0;
    if (!commandLine.empty() && commandLine.front() == '"') {
        const auto close = commandLine.find('"', 1);
        pos = close == std::string_view::npos ? commandLine.size() : close + 1;
    } else {
        pos = std::min(commandLine.find(' '), commandLine.size());
    }
    while (pos < commandLine.size() && (commandLine[pos] == ' ' || commandLine[pos] == '\t')) ++pos;
    return std::string(commandLine.substr(pos));
}

SimWorld::SimWorld() {
    screen.widthPixels = 1920;
    screen.heightPixels = 1080;
}

// Programs go first: they hold references into the processes, which detach themselves
// from this world as they go.
SimWorld::~SimWorld() {
    programs_.clear();
    processes_.clear();
}

SimProcess& SimWorld::launch(std::string arguments) {
    processes_.push_back(std::make_unique<SimProcess>(*this, nextProcessId_++, std::move(arguments)));
    SimProcess& process = *processes_.back();
    if (program_) programs_.push_back(program_(process));
    return process;
}

void SimWorld::queueLaunch(SimLaunch launch) {
    launchLog_.push_back(launch);
    pending_.push_back(std::move(launch));
}

void SimWorld::runPendingLaunches() {
    while (!pending_.empty()) {
        SimLaunch next = std::move(pending_.front());
        pending_.pop_front();
        launch(ArgumentsOf(next.commandLine));
    }
}

std::vector<SimProcess*> SimWorld::processes() const {
    std::vector<SimProcess*> out;
    for (const auto& p : processes_) out.push_back(p.get());
    return out;
}

std::vector<SimProcess*> SimWorld::runningProcesses() const {
    std::vector<SimProcess*> out;
    for (const auto& p : processes_) {
        if (!p->ended()) out.push_back(p.get());
    }
    return out;
}

SimProcess* SimWorld::processById(int id) const {
    for (SimProcess* process : attached_) {
        if (process->id() == id) return process;
    }
    return nullptr;
}

platform::WindowHandle SimWorld::addWindow(SimWindow window) {
    window.handle = nextHandle_;
    nextHandle_ += 4;  // like real handles: never reused, never 0
    const auto handle = window.handle;
    windows_.emplace(handle, std::move(window));
    return handle;
}

platform::WindowHandle SimWorld::addForeignWindow(std::string className, std::string text) {
    SimWindow window;
    window.className = std::move(className);
    window.text = std::move(text);
    return addWindow(std::move(window));
}

void SimWorld::removeWindow(platform::WindowHandle handle) { windows_.erase(handle); }

SimWindow* SimWorld::window(platform::WindowHandle handle) {
    const auto it = windows_.find(handle);
    return it == windows_.end() ? nullptr : &it->second;
}

const SimWindow* SimWorld::window(platform::WindowHandle handle) const {
    const auto it = windows_.find(handle);
    return it == windows_.end() ? nullptr : &it->second;
}

std::vector<platform::WindowHandle> SimWorld::windowsOf(int processId) const {
    std::vector<platform::WindowHandle> out;
    for (const auto& [handle, window] : windows_) {
        if (window.processId == processId) out.push_back(handle);
    }
    return out;
}

std::vector<platform::WindowHandle> SimWorld::allWindows() const {
    std::vector<platform::WindowHandle> out;
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) out.push_back(it->first);
    return out;
}

}  // namespace kz::sim
