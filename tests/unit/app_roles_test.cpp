#include <gtest/gtest.h>

#include "app_sim_harness.h"
#include "platform/sim/sim_main_window.h"

namespace kz::testing {
namespace {

using namespace kz::app;

TEST(Roles, PlainStartBecomesTheInterceptionInstanceAndStartsTheService) {
    SimMachine m;
    auto& first = m.run("");
    EXPECT_FALSE(first.ended());
    EXPECT_EQ(m.countMainWindows(kCaptionOptions), 1);
    EXPECT_EQ(m.countMainWindows(kCaptionService), 1);
    // "/service" only: the service finds the interception instance running.
    ASSERT_EQ(m.world.launchLog().size(), 1u);
    EXPECT_EQ(m.world.launchLog()[0].commandLine,
              "\"C:\\Program Files\\Kelvra Zavora\\zavora.exe\" /service");
    EXPECT_EQ(m.world.launchLog()[0].show, platform::ShowMode::NoActivate);
    EXPECT_TRUE(first.hiddenFromTaskList());
    auto* window = m.instanceOf(first).mainWindow();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->commandText(), "Text1");
    EXPECT_TRUE(window->commandBoxEnabled());
}

TEST(Roles, NewestInterceptionInstanceWins) {
    SimMachine m;
    auto& first = m.run("");
    auto& second = m.run("/mainstart");
    EXPECT_TRUE(first.ended());
    EXPECT_FALSE(second.ended());
    EXPECT_EQ(m.countMainWindows(kCaptionOptions), 1);
    EXPECT_EQ(m.find(kCaptionOptions), m.instanceOf(second).mainWindow()->handle());
    EXPECT_EQ(m.countMainWindows(kCaptionService), 1);  // the service ignored "close"
    EXPECT_EQ(m.commHwds().find(';'), m.commHwds().rfind(';'));  // service and second only
}

// A standard user may not write the machine-wide list of command boxes, so no instance
// is on it: the second channel alone reaches them, for a takeover and for "/close".
TEST(Roles, CommandsReachEveryInstanceWhenTheListCannotBeWritten) {
    SimMachine m;
    m.world.registry().setWritable(platform::Scope::MachineWide, false);
    auto& first = m.run("");
    auto& second = m.run("");
    EXPECT_EQ(m.commHwds(), "<missing>");
    EXPECT_TRUE(first.ended());
    EXPECT_FALSE(second.ended());
    EXPECT_EQ(m.countMainWindows(kCaptionOptions), 1);
    EXPECT_EQ(m.countMainWindows(kCaptionService), 1);
    EXPECT_TRUE(m.run("/close").ended());
    EXPECT_TRUE(m.world.runningProcesses().empty());
}

TEST(Roles, TakeoverGivesUpOnAnInstanceThatDoesNotGo) {
    SimMachine m;
    m.setAutoStart("No");
    m.run("/service");
    // A hung instance: its window carries the caption but its box takes nothing.
    const auto stuck = m.world.addForeignWindow(std::string(platform::kMainWindowClass),
                                                std::string(kCaptionOptions));
    const auto start = m.world.clock().milliseconds();
    auto& next = m.run("");
    // Only the service answers the second channel, so the loop runs to its time bound.
    EXPECT_GE(m.world.clock().milliseconds() - start, 10'000u);
    EXPECT_LT(m.world.clock().milliseconds() - start, 11'000u);
    EXPECT_FALSE(next.ended());
    EXPECT_TRUE(m.instanceOf(next).mainWindow()->commandBoxEnabled());
    EXPECT_NE(m.world.window(stuck), nullptr);
}

TEST(Roles, CloseEndsEveryInstanceAndItself) {
    SimMachine m;
    m.run("");
    m.run("/service");
    auto& closer = m.run("/CLOSE");
    EXPECT_TRUE(closer.ended());
    EXPECT_TRUE(m.world.runningProcesses().empty());
    // The list still names the boxes; they are gone, so the next cleaning drops them.
    std::string list = m.commHwds() + ";";
    for (auto pos = list.find(';'); pos != std::string::npos; list.erase(0, pos + 1), pos = list.find(';')) {
        EXPECT_EQ(m.world.window(std::stoull(list.substr(0, pos))), nullptr);
    }
}

TEST(Roles, CloseWithMoreTextIsATakeoverNotTheClosingInstance) {
    SimMachine m;
    auto& first = m.run("");
    auto& other = m.run("/close now");
    EXPECT_TRUE(first.ended());
    EXPECT_FALSE(other.ended());
    EXPECT_EQ(m.find(kCaptionOptions), m.instanceOf(other).mainWindow()->handle());
    EXPECT_EQ(m.countMainWindows(kCaptionService), 1);
}

TEST(Roles, SetupWinsOverEveryOtherSwitch) {
    SimMachine m;
    auto& setup = m.run("/service /wait /setup 25");
    EXPECT_TRUE(setup.ended());  // its main window unloaded at once, no other form here
    EXPECT_TRUE(m.world.launchLog().empty());
    EXPECT_EQ(m.commHwds(), "<missing>");
}

TEST(Roles, WaitWaitsTheTimeTheLastTwoCharactersName) {
    SimMachine m;
    const auto start = m.world.clock().milliseconds();
    auto& waiting = m.run("/WAIT07");
    EXPECT_TRUE(waiting.ended());
    const auto waited = m.world.clock().milliseconds() - start;
    EXPECT_GE(waited, 700u);
    EXPECT_LT(waited, 720u);
    EXPECT_TRUE(m.world.launchLog().empty());
}

TEST(Roles, HostileWaitLinesEndAtOnce) {
    for (const char* line : {"/wait", "/waitzz", "/wait-9", "/wait.."}) {
        SimMachine m;
        const auto start = m.world.clock().milliseconds();
        EXPECT_TRUE(m.run(line).ended()) << line;
        EXPECT_EQ(m.world.clock().milliseconds() - start, 0u) << line;
    }
}

TEST(Roles, UninstallEndsWithoutTouchingAnything) {
    SimMachine m;
    auto& first = m.run("");
    auto& uninstall = m.run("/uninstall");
    EXPECT_TRUE(uninstall.ended());
    EXPECT_FALSE(first.ended());
}

TEST(Roles, InstallEndsWhileTheTutorialIsOpen) {
    SimMachine m;
    auto& first = m.run("");
    m.world.addForeignWindow("ThunderRT6FormDC", std::string(kCaptionTutorial));
    auto& install = m.run("/install");
    EXPECT_TRUE(install.ended());
    EXPECT_FALSE(first.ended());
}

TEST(Roles, InstallWithoutTheTutorialTakesOver) {
    SimMachine m;
    auto& first = m.run("");
    auto& install = m.run("/install");
    EXPECT_TRUE(first.ended());
    EXPECT_FALSE(install.ended());
}

TEST(Service, StartsTheInterceptionInstanceWhenAutoStartIsYes) {
    SimMachine m;
    auto& service = m.run("/service");
    EXPECT_FALSE(service.ended());
    ASSERT_GE(m.world.launchLog().size(), 1u);
    EXPECT_EQ(m.world.launchLog()[0].commandLine,
              "\"C:\\Program Files\\Kelvra Zavora\\zavora.exe\" /mainstart");
    EXPECT_EQ(m.world.launchLog()[0].show, platform::ShowMode::Normal);
    EXPECT_EQ(m.countMainWindows(kCaptionOptions), 1);
    EXPECT_EQ(m.countMainWindows(kCaptionService), 1);
    EXPECT_EQ(m.world.launchLog().size(), 1u);  // the new instance found the service running
}

TEST(Service, AutoStartNoStartsNothingUnlessInstalling) {
    SimMachine m;
    m.setAutoStart("No");
    auto& service = m.run("/service");
    EXPECT_FALSE(service.ended());
    EXPECT_TRUE(m.world.launchLog().empty());
    EXPECT_EQ(m.countMainWindows(kCaptionOptions), 0);

    SimMachine installing;
    installing.setAutoStart("yes");  // not "Yes": off
    installing.run("/service /install");
    ASSERT_EQ(installing.world.launchLog().size(), 1u);
    EXPECT_NE(installing.world.launchLog()[0].commandLine.find("zavora.exe\" /install"), std::string::npos);
    EXPECT_EQ(installing.countMainWindows(kCaptionOptions), 1);
}

TEST(Service, SecondServiceStartsAMissingInterceptionInstanceThenEnds) {
    SimMachine m;
    m.setAutoStart("No");
    auto& first = m.run("/service");
    m.setAutoStart("Yes");
    auto& second = m.run("/service");
    EXPECT_TRUE(second.ended());
    EXPECT_FALSE(first.ended());
    EXPECT_EQ(m.countMainWindows(kCaptionService), 1);
    EXPECT_EQ(m.countMainWindows(kCaptionOptions), 1);

    auto& third = m.run("/service");  // interception running now: starts nothing
    EXPECT_TRUE(third.ended());
    EXPECT_EQ(m.world.launchLog().size(), 1u);
}

TEST(Service, TimerRunsAtOnceAndEveryTenSeconds) {
    struct CountingSteps : app::NoProgramSteps {
        void serviceTick(unsigned count) override { last = count; }
        unsigned last = 0;
    } steps;
    sim::SimWorld world;
    sim::SimProcess process(world, 1, "/service");
    SettingsStore store(world.registry());
    SettingsStore(world.registry()).write(platform::Scope::PerUser, "Zavora", "AutoStart", "No");
    app::Instance instance({process.desktop(), process, world.clock(), store}, steps);
    instance.start();
    EXPECT_EQ(steps.last, 1u);
    world.clock().advance(9'999);
    process.processPendingMessages();
    EXPECT_EQ(steps.last, 1u);
    world.clock().advance(1);
    process.processPendingMessages();
    EXPECT_EQ(steps.last, 2u);
}

TEST(Shutdown, ClosingTheOptionsDialogHidesAndKeepsRunning) {
    struct HookSteps : app::NoProgramSteps {
        void installKeyboardHook() override { ++installs; }
        void removeKeyboardHook() override { ++removals; }
        void unloadPopup() override { ++popupUnloads; }
        void makePopupTopmost() override { ++retops; }
        int installs = 0, removals = 0, popupUnloads = 0, retops = 0;
    } steps;
    sim::SimWorld world;
    sim::SimProcess process(world, 1, "");
    SettingsStore store(world.registry());
    app::Instance instance({process.desktop(), process, world.clock(), store}, steps);
    instance.start();
    EXPECT_EQ(steps.installs, 1);
    instance.setOptionsOpen(true);
    instance.mainWindow()->setVisible(true);
    instance.onCloseRequested();  // close box, OK or Cancel
    EXPECT_FALSE(process.ended());
    EXPECT_FALSE(instance.mainWindow()->isVisible());
    EXPECT_FALSE(instance.optionsOpen());
    EXPECT_EQ(steps.installs, 2);
    EXPECT_EQ(steps.retops, 1);
    instance.exitProgram();  // the tray menu's "Exit"
    EXPECT_TRUE(process.ended());
    EXPECT_EQ(steps.removals, 1);
    EXPECT_EQ(steps.popupUnloads, 1);
    instance.exitProgram();  // a second exit finds nothing to do
    EXPECT_EQ(steps.removals, 1);
}

// A "close" may arrive in any message pass of a start-up that is taking over from a
// running instance. Whichever pass takes it, nothing may keep running: no main window
// of the starting process, and no hook or popup left behind in it.
TEST(Shutdown, CloseDuringStartUpAtEveryMessagePassLeavesNothing) {
    for (int closeAt = 0;; ++closeAt) {
        SCOPED_TRACE(closeAt);
        SimMachine machine;
        machine.run("");
        sim::SimProcess probe(machine.world, 0, "");
        int starter = 0, passes = 0;
        machine.world.beforeMessagePass = [&](sim::SimProcess& process) {
            if (process.id() != starter || passes++ < closeAt) return;
            // Like "/close", it keeps offering the command until the box takes it.
            for (const auto h : probe.desktop().mainWindows()) probe.desktop().sendCommand(h, kCommandClose);
        };
        sim::SimProcess& second = machine.world.launch("/mainstart");
        starter = second.id();
        if (passes <= closeAt) {  // the start-up had no message pass this late
            EXPECT_GT(closeAt, 0);
            break;
        }
        for (int i = 0; i < 20 && !second.ended(); ++i) second.processPendingMessages();
        EXPECT_TRUE(second.ended());
        EXPECT_FALSE(machine.stepsOf(second).hook);
        EXPECT_FALSE(machine.stepsOf(second).popup);
        EXPECT_EQ(machine.countMainWindows(kCaptionOptions), 0);
    }
}

TEST(Shutdown, TheServiceNeverTakesAHookOrPopupWhateverCloseItGets) {
    SimMachine machine;
    sim::SimProcess& service = machine.run("/service");
    machine.instanceOf(service).onCloseRequested();
    EXPECT_FALSE(machine.stepsOf(service).hook);
    EXPECT_FALSE(machine.stepsOf(service).popup);
    EXPECT_FALSE(service.ended());
}

}  // namespace
}  // namespace kz::testing
