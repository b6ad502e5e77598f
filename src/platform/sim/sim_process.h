#pragma once
#include <deque>
#include <functional>
#include <string>

#include "platform/process.h"
#include "platform/sim/sim_desktop.h"

namespace kz::sim {

class SimWorld;

// One simulated process of the program: its command line, its view of the desktop, its
// posted work and timers. Ending it closes its windows.
class SimProcess final : public platform::Process {
public:
    SimProcess(SimWorld& world, int id, std::string arguments);
    ~SimProcess() override;
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    int id() const { return id_; }
    SimWorld& world() { return world_; }
    SimDesktop& desktop() { return desktop_; }

    const std::string& applicationFolder() override;
    std::string commandLine() const override { return arguments_; }
    bool start(std::string_view commandLine, platform::ShowMode show) override;
    void end() override;
    bool ended() const override { return ended_; }
    void processPendingMessages() override;
    void idle(unsigned maxMs) override;
    void hideFromTaskList() override { hiddenFromTaskList_ = true; }
    bool takeStartLock(unsigned maxMs) override;
    void releaseStartLock() override;

    bool hiddenFromTaskList() const { return hiddenFromTaskList_; }
    // Work to run at the next message pass (PostMessage to oneself).
    void post(std::function<void()> work) override { posted_.push_back(std::move(work)); }
    // The desktop tells the process when its last window has gone: the loop ends.
    void lastWindowClosed() { ended_ = true; }

private:
    void fireDueTimers();
    int passDepth_ = 0;  // message passes (or idle waits) of this process under way

    SimWorld& world_;
    int id_;
    std::string arguments_;
    SimDesktop desktop_;
    std::deque<std::function<void()>> posted_;
    bool ended_ = false;
    bool hiddenFromTaskList_ = false;
};

}  // namespace kz::sim
