// Start-ups one after another: a start-up waits while another process holds the start-up
// lock, and a close that reaches it meanwhile ends it.
#include <gtest/gtest.h>

#include "app_sim_harness.h"

namespace kz::testing {
namespace {

using namespace kz::app;

// What a start-up left once the holder of the lock let go of it in one of these ways.
TEST(StartLock, AStartUpWaitsForTheHolderAndACloseEndsItWhileItWaits) {
    enum class Holder { LetsGo, Ends, Hangs, HangsAndCloseArrives };
    struct Case { Holder holder; bool runs; std::uint64_t minWaitMs, maxWaitMs; };
    const Case cases[] = {
        {Holder::LetsGo, true, 1000, 1200},
        {Holder::Ends, true, 1000, 1200},
        {Holder::Hangs, true, 15000, 15200},  // the limit, so that a hung start-up blocks no one
        {Holder::HangsAndCloseArrives, false, 1000, 1200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.holder));
        SimMachine m;
        sim::SimProcess holder(m.world, 7, "");  // a start-up under way elsewhere
        ASSERT_TRUE(holder.takeStartLock(0));
        const auto startMs = m.world.clock().milliseconds();
        bool acted = false, optionsBeforeRelease = false;
        m.world.beforeMessagePass = [&](sim::SimProcess&) {
            if (acted || m.world.clock().milliseconds() - startMs < 1000) return;
            acted = true;
            optionsBeforeRelease = m.countMainWindows(kCaptionOptions) > 0;
            if (c.holder == Holder::LetsGo) holder.releaseStartLock();
            if (c.holder == Holder::Ends) holder.end();
            if (c.holder == Holder::HangsAndCloseArrives) {
                for (const auto h : holder.desktop().mainWindows()) holder.desktop().sendCommand(h, kCommandClose);
            }
        };
        sim::SimProcess& started = m.world.launch("");
        const auto waitedMs = m.world.clock().milliseconds() - startMs;
        started.processPendingMessages();  // where a closed main window goes
        EXPECT_FALSE(optionsBeforeRelease);
        EXPECT_GE(waitedMs, c.minWaitMs);
        EXPECT_LE(waitedMs, c.maxWaitMs);
        EXPECT_EQ(!started.ended(), c.runs);
        EXPECT_EQ(m.stepsOf(started).hook, c.runs);
        EXPECT_EQ(m.countMainWindows(kCaptionOptions), c.runs ? 1 : 0);
        EXPECT_NE(m.world.startLockOwner, started.id());  // let go once started
    }
}

}  // namespace
}  // namespace kz::testing
