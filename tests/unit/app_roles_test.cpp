// Start-up roles: which instance intercepts keys, the service, "/close", "/setup",
// "/wait", "/install" and "/uninstall", and what a close during a start-up leaves.
#include <gtest/gtest.h>

#include <algorithm>

#include "app_sim_harness.h"
#include "platform/sim/sim_main_window.h"

namespace kz::testing {
namespace {

using namespace kz::app;
constexpr const char* kExe = "\"C:\\Program Files\\Kelvra Zavora\\zavora.exe\"";

// A running interception instance, then a second start: who is left running.
TEST(Roles, ASecondStartEitherTakesOverOrEndsItself) {
    struct Case { const char* arguments; bool tutorialOpen; bool takesOver; };
    const Case cases[] = {
        {"/mainstart", false, true},  {"", false, true},          {"/close now", false, true},
        {"/install", false, true},    {"/install", true, false},  {"/uninstall", false, false},
    };
    for (const Case& c : cases) {
        SimMachine m;
        auto& first = m.run("");
        if (c.tutorialOpen) m.world.addForeignWindow("KelvraZavoraTutorial", std::string(kCaptionTutorial));
        auto& second = m.run(c.arguments);
        EXPECT_EQ(first.ended(), c.takesOver) << c.arguments;
        EXPECT_EQ(second.ended(), !c.takesOver) << c.arguments;
        EXPECT_EQ(m.countMainWindows(kCaptionOptions), 1) << c.arguments;
        EXPECT_EQ(m.countMainWindows(kCaptionService), 1) << c.arguments << ": the service ignored the takeover";
        if (c.takesOver) {
            EXPECT_EQ(m.instanceOf(second).mainWindow()->caption(), kCaptionOptions) << c.arguments;
        }
    }
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

// Lines that end at once, start nothing and register nothing; "/wait" waits the time its
// last two characters name, in tenths of a second.
TEST(Roles, SetupAndWaitLinesEndAfterTheirWait) {
    const std::pair<const char*, std::uint64_t> cases[] = {
        {"/service /wait /setup 25", 0}, {"/WAIT07", 700}, {"/wait", 0},
        {"/waitzz", 0}, {"/wait-9", 0}, {"/wait..", 0}};
    for (const auto& [line, waitMs] : cases) {
        SimMachine m;
        const auto start = m.world.clock().milliseconds();
        EXPECT_TRUE(m.run(line).ended()) << line;
        const auto waited = m.world.clock().milliseconds() - start;
        EXPECT_GE(waited, waitMs) << line;
        EXPECT_LT(waited, waitMs + 20) << line;
        EXPECT_TRUE(m.world.launchLog().empty()) << line;
        EXPECT_EQ(m.commHwds(), "<missing>") << line;
    }
}

// AutoStart is "Yes" (exactly) by default: the service starts the interception instance
// unless it is off, and always when installing.
TEST(Service, StartsTheInterceptionInstanceWhenAutoStartIsYesOrInstalling) {
    struct Case { const char* autoStart; const char* arguments; const char* started; };
    const Case cases[] = {
        {nullptr, "/service", " /mainstart"}, {"No", "/service", nullptr},
        {"yes", "/service /install", " /install"}};
    for (const Case& c : cases) {
        SimMachine m;
        if (c.autoStart) m.setAutoStart(c.autoStart);
        EXPECT_FALSE(m.run(c.arguments).ended());
        const auto& log = m.world.launchLog();
        ASSERT_EQ(log.size(), c.started ? 1u : 0u) << c.arguments;
        EXPECT_EQ(m.countMainWindows(kCaptionOptions), c.started ? 1 : 0);
        if (c.started) {
            EXPECT_EQ(log[0].commandLine, kExe + std::string(c.started));
        }
    }
}

// The service's timer runs at once and every ten seconds; a close request never gives it
// a hook or a popup, nor ends it.
TEST(Service, TimerRunsAtOnceAndEveryTenSecondsAndACloseGivesItNoHookOrPopup) {
    SimMachine m;
    m.setAutoStart("No");
    sim::SimProcess& service = m.run("/service");
    const HoldingSteps& steps = m.stepsOf(service);
    EXPECT_EQ(steps.ticks, 1u);
    m.world.clock().advance(9'999);
    service.processPendingMessages();
    EXPECT_EQ(steps.ticks, 1u);
    m.world.clock().advance(1);
    service.processPendingMessages();
    EXPECT_EQ(steps.ticks, 2u);

    m.instanceOf(service).onCloseRequested();
    EXPECT_FALSE(steps.hook);
    EXPECT_FALSE(steps.popup);
    EXPECT_FALSE(service.ended());
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
        int running = 0, passes = 0;  // the starting process is the newest one
        for (const sim::SimProcess* process : machine.world.processes()) running = std::max(running, process->id());
        machine.world.beforeMessagePass = [&](sim::SimProcess& process) {
            if (process.id() <= running || passes++ < closeAt) return;
            // Like "/close", it keeps offering the command until the box takes it.
            for (const auto h : probe.desktop().mainWindows()) probe.desktop().sendCommand(h, kCommandClose);
        };
        sim::SimProcess& second = machine.world.launch("/mainstart");
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

}  // namespace
}  // namespace kz::testing
