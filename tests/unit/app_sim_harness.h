#pragma once
// Runs the real start-up of the program in simulated processes that share one desktop.
#include <memory>
#include <string>

#include "app/instance.h"
#include "app/names.h"
#include "platform/sim/sim_process.h"
#include "platform/sim/sim_world.h"
#include "settings/settings_store.h"

namespace kz::testing {

// Program steps that remember what a process holds (its hook and its popup) and how many
// times the service's timer ran.
struct HoldingSteps : app::NoProgramSteps {
    void installKeyboardHook() override { hook = true; }
    void removeKeyboardHook() override { hook = false; }
    void loadPopupHidden() override { popup = true; }
    void unloadPopup() override { popup = false; }
    void serviceTick(unsigned count) override { ticks = count; }
    bool hook = false, popup = false;
    unsigned ticks = 0;
};

// The objects of one simulated process of the program.
struct SimInstance {
    explicit SimInstance(sim::SimProcess& process)
        : store(process.world().registry()),
          instance({process.desktop(), process, process.world().clock(), store}, steps) {}
    SettingsStore store;
    HoldingSteps steps;
    app::Instance instance;
};

class SimMachine {
public:
    SimMachine() {
        world.setProgram([this](sim::SimProcess& process) {
            auto program = std::make_shared<SimInstance>(process);
            instances[process.id()] = program.get();
            program->instance.start();
            return std::shared_ptr<void>(program);
        });
    }

    // Starts the program with these arguments, then every process it starts in turn.
    sim::SimProcess& run(std::string arguments) {
        sim::SimProcess& process = world.launch(std::move(arguments));
        world.runPendingLaunches();
        // Then each message loop takes what waits (a window goes at the next message pass).
        for (sim::SimProcess* running : world.runningProcesses()) running->processPendingMessages();
        return process;
    }

    int countMainWindows(std::string_view caption) {
        int count = 0;
        for (const auto h : anyDesktop().mainWindows()) count += anyDesktop().windowText(h) == caption;
        return count;
    }
    app::Instance& instanceOf(const sim::SimProcess& process) { return instances.at(process.id())->instance; }
    HoldingSteps& stepsOf(const sim::SimProcess& process) { return instances.at(process.id())->steps; }
    std::string commHwds() {
        return SettingsStore(world.registry()).read(platform::Scope::MachineWide, "Zavora", "CommHwds", "<missing>");
    }
    void setAutoStart(std::string_view text) {
        SettingsStore(world.registry()).write(platform::Scope::PerUser, "Zavora", "AutoStart", text);
    }

    sim::SimWorld world;
    std::map<int, SimInstance*> instances;

private:
    platform::Desktop& anyDesktop() {
        if (!probe_) probe_ = std::make_unique<sim::SimProcess>(world, 0, "");
        return probe_->desktop();
    }
    std::unique_ptr<sim::SimProcess> probe_;
};

}  // namespace kz::testing
