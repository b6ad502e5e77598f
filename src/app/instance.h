#pragma once
// One process of the program: its main window, the role its command line gives
// it, the commands it receives and its shutdown. Owns the process-wide state of the
// application core: the main window, its tag, the options-open flag and the running
// settings, which other modules reach through this object.
#include <memory>
#include <string>

#include "app/command_boxes.h"
#include "app/command_line.h"
#include "app/program_steps.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/process.h"
#include "settings/running_settings.h"
#include "settings/settings_store.h"

namespace kz::app {

class Instance final : public platform::MainWindowListener {
public:
    struct Links {
        platform::Desktop& desktop;
        platform::Process& process;
        const platform::Clock& clock;
        SettingsStore& store;
    };

    Instance(Links links, ProgramSteps& steps);
    ~Instance() override;

    // Creates the main window and runs the start-up that the command line asks for. When
    // it returns, the process either has ended (Process::ended) or runs its message loop.
    void start();

    // The tray menu's "Exit": tag "unload", then unload the main window.
    void exitProgram();
    // Unloads the main window; the tag decides what that means (see shutdown.cpp).
    void unloadMainWindow();
    // The exit sequence has begun or the main window is gone. A dialog that regains
    // control afterwards (its modal loop ended with the window) must not save.
    bool ending() const;
    // The exit sequence has run or the window was unloaded: whatever start-up step comes
    // next must not run (a "close" can arrive in any message pass of the start-up).
    bool stopped() const { return unloaded_ || s_.process.ended(); }

    platform::MainWindow* mainWindow() { return window_.get(); }
    RunningSettings& runningSettings() { return running_; }
    bool optionsOpen() const { return optionsOpen_; }
    // The flag itself, for the key handler that reads it at every event.
    const bool& optionsOpenFlag() const { return optionsOpen_; }
    void setOptionsOpen(bool open) { optionsOpen_ = open; }
    const std::string& tag() const { return tag_; }
    void setTag(std::string tag) { tag_ = std::move(tag); }
    const StartupSwitches& switches() const { return switches_; }

    // platform::MainWindowListener
    void onCommandTextChanged() override;
    void onCloseRequested() override;
    void onTimer() override;
    void onSystemResumed() override;

private:
    bool runEarlySwitches();
    bool waitForStartLock();
    bool startRole();
    void serviceStartup();
    void takeover();
    bool pokeCommand(std::string_view command);
    bool startingOther() const;
    void interceptionStartup();
    void exitSequence();

    Links s_;
    ProgramSteps& steps_;
    CommandBoxes boxes_;
    std::unique_ptr<platform::MainWindow> window_;
    StartupSwitches switches_;
    std::string commandLine_;
    std::string tag_;
    bool optionsOpen_ = false;
    bool unloaded_ = false;
    RunningSettings running_;
    unsigned serviceTicks_ = 0;
};

// Starts "<folder>zavora.exe /service" (shown without focus) unless a service instance
// runs. Called at the end of every start-up and by the popup when it lays itself out.
void EnsureServiceRunning(platform::Desktop& desktop, platform::Process& process);

}  // namespace kz::app
