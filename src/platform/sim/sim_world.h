#pragma once
// The simulated machine that several simulated processes of the program share: one
// clock, one registry, one table of windows, and the processes themselves.
//
// Starting the executable (Process::start) queues a launch; tests run the queue with
// runPendingLaunches(), so the order of events is always the same. WM_SETTEXT and the
// second command channel sent to another process change the text at once, but the
// receiver's handler runs at its next message pass, as on Windows; a process that idles
// lets the others take their message pass.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/desktop.h"
#include "platform/sim/sim_clock.h"
#include "platform/sim/sim_input.h"
#include "platform/sim/sim_mouse_windows.h"
#include "platform/sim/sim_registry.h"

namespace kz::sim {

class SimProcess;

struct SimWindow {
    platform::WindowHandle handle = 0;
    int processId = 0;  // 0: a window of some other application
    std::string className;
    std::string text;
    bool enabled = true;
    bool visible = false;
    bool topmost = false;
    int outerWidthTwips = 0;
    std::string icon;
    platform::WindowHandle parent = 0;       // the main window, for a command box
    platform::WindowHandle commandBox = 0;   // the command box, for a main window
    platform::MainWindowListener* listener = nullptr;  // main windows only
    unsigned timerIntervalMs = 0;            // 0: timer stopped
    std::uint64_t timerDueMs = 0;
    platform::Rect screenRect;               // outer rectangle in screen pixels
    bool destroying = false;                 // goes at its process's next message pass
};

struct SimLaunch {
    std::string commandLine;  // whole, executable path first
    platform::ShowMode show;
};

class SimWorld {
public:
    // What runs in a newly started process: typically builds the program's objects on the
    // process's platform views and runs its start-up. What it returns is kept alive until
    // the world goes away (the program's objects outlive the start-up).
    using Program = std::function<std::shared_ptr<void>(SimProcess&)>;

    SimWorld();
    ~SimWorld();

    SimClock& clock() { return clock_; }
    SimRegistry& registry() { return registry_; }
    // The keyboard with its hooks, and the windows as the mouse sees them: one of each
    // for the whole desktop. A process's message pass delivers what waits in both.
    SimInput& input() { return input_; }
    SimMouseWindows& mouseWindows() { return mouseWindows_; }
    void setProgram(Program program) { program_ = std::move(program); }
    // Called at the start of every message pass of every process: lets a test act at an
    // exact point of a start-up (a command arriving while the process is busy).
    std::function<void(SimProcess&)> beforeMessagePass;
    void setApplicationFolder(std::string folder) { folder_ = std::move(folder); }
    const std::string& applicationFolder() const { return folder_; }

    // Starts a process with these arguments (no executable path) and runs its start-up now.
    SimProcess& launch(std::string arguments);
    // Runs the launches that processes have queued, also those queued meanwhile.
    void runPendingLaunches();
    const std::vector<SimLaunch>& launchLog() const { return launchLog_; }
    void queueLaunch(SimLaunch launch);

    // Every process ever started, in start order.
    std::vector<SimProcess*> processes() const;
    std::vector<SimProcess*> runningProcesses() const;

    // Every SimProcess, launched or built by a test, announces itself here so that the
    // desktop can end it when its last window closes.
    void attach(SimProcess* process) { attached_.push_back(process); }
    void detach(SimProcess* process) { std::erase(attached_, process); }
    SimProcess* processById(int id) const;

    // Windows.
    platform::WindowHandle addWindow(SimWindow window);
    platform::WindowHandle addForeignWindow(std::string className, std::string text);
    void removeWindow(platform::WindowHandle handle);
    SimWindow* window(platform::WindowHandle handle);
    const SimWindow* window(platform::WindowHandle handle) const;
    std::vector<platform::WindowHandle> windowsOf(int processId) const;
    std::vector<platform::WindowHandle> allWindows() const;  // newest first, like the z-order

    platform::ScreenMetrics screen;
    // The process that holds the start-up lock (0: none). A process that ends lets it go.
    int startLockOwner = 0;

private:
    SimClock clock_;
    SimRegistry registry_;
    SimInput input_;
    SimMouseWindows mouseWindows_;
    Program program_;
    std::string folder_ = "C:\\Program Files\\Kelvra Zavora\\";
    std::map<platform::WindowHandle, SimWindow> windows_;
    platform::WindowHandle nextHandle_ = 0x1000;
    std::vector<std::unique_ptr<SimProcess>> processes_;
    std::vector<std::shared_ptr<void>> programs_;
    std::vector<SimProcess*> attached_;
    std::deque<SimLaunch> pending_;
    std::vector<SimLaunch> launchLog_;
    int nextProcessId_ = 100;
};

// The arguments of a whole command line: what follows the (possibly quoted) program path
// and the blanks after it.
std::string ArgumentsOf(std::string_view commandLine);

}  // namespace kz::sim
