// The simulated keyboard behaves as Windows does where the handler depends on it.
#include <gtest/gtest.h>

#include "keys/virtual_keys.h"
#include "platform/sim/sim_input.h"

namespace kz {
namespace {

class ScriptedSink final : public platform::KeyEventSink {
public:
    explicit ScriptedSink(sim::SimInput& sim) : sim_(sim) {}
    bool onKeyEvent(const platform::KeyEvent& event) noexcept override {
        seen.push_back(event);
        if (injectOnVk != 0 && event.vk == injectOnVk) {
            injectOnVk = 0;
            sim_.keybdEvent('X', 0, 7);
            waitingInsideHook = sim_.waiting();
            sim_.pump();  // the input thread waits for this hook: nothing may arrive here
            seenInsideHook = seen.size();
        }
        return static_cast<int>(event.vk) == swallowVk;
    }
    std::vector<platform::KeyEvent> seen;
    int swallowVk = 0;
    std::uint32_t injectOnVk = 0;
    std::size_t waitingInsideHook = 0, seenInsideHook = 0;

private:
    sim::SimInput& sim_;
};

TEST(SimKeyboardTest, SideAndGenericModifiersStayInStep) {
    sim::SimInput sim;
    sim.press(vk::kLShift);
    sim.press(vk::kRShift);
    sim.release(vk::kLShift);
    EXPECT_TRUE(sim.asyncKeyDown(vk::kShift));
    sim.release(vk::kRShift);
    EXPECT_FALSE(sim.asyncKeyDown(vk::kShift));

    sim.keybdEvent(vk::kMenu, 0, 0);  // generic Alt without the extended flag: left Alt
    EXPECT_TRUE(sim.asyncKeyDown(vk::kLMenu));
    EXPECT_FALSE(sim.asyncKeyDown(vk::kRMenu));
    sim.keybdEvent(vk::kLMenu, 2, 0);
    EXPECT_FALSE(sim.asyncKeyDown(vk::kMenu));
}

TEST(SimKeyboardTest, SwallowedEventsChangeNoKeyStateAndReachNoApplication) {
    sim::SimInput sim;
    ScriptedSink sink(sim);
    sim.installKeyboardHook(sink);
    sink.swallowVk = 'Q';
    sim.press('Q');
    EXPECT_FALSE(sim.asyncKeyDown('Q'));
    EXPECT_EQ(sim.keyDownsReceived('Q'), 0);
    sim.tap('W');
    EXPECT_EQ(sim.typedText(), u"w");
    ASSERT_EQ(sim.deliveries().size(), 3u);
    EXPECT_TRUE(sim.deliveries()[0].swallowed);
}

TEST(SimKeyboardTest, InputSentInsideTheHookArrivesAfterItAnswers) {
    sim::SimInput sim;
    ScriptedSink sink(sim);
    sim.installKeyboardHook(sink);
    sink.injectOnVk = 'A';
    sim.press('A');
    EXPECT_EQ(sink.waitingInsideHook, 1u);
    EXPECT_EQ(sink.seenInsideHook, 1u);
    ASSERT_EQ(sink.seen.size(), 2u);
    EXPECT_EQ(sink.seen[1].vk, static_cast<std::uint32_t>('X'));
    EXPECT_EQ(sink.seen[1].extraInfo, 7u);
    EXPECT_NE(sink.seen[1].flags & platform::kKeyFlagInjected, 0u);
}

TEST(SimKeyboardTest, AltGrLayoutsReportALeftCtrlWithTheRightAlt) {
    sim::SimInput sim(sim::UkLayout());
    ScriptedSink sink(sim);
    sim.installKeyboardHook(sink);
    sim.press(vk::kRMenu);
    ASSERT_EQ(sink.seen.size(), 2u);
    EXPECT_EQ(sink.seen[0].vk, static_cast<std::uint32_t>(vk::kLControl));
    EXPECT_EQ(sink.seen[1].vk, static_cast<std::uint32_t>(vk::kRMenu));
    sim.release(vk::kRMenu);
    EXPECT_FALSE(sim.asyncKeyDown(vk::kControl));
    EXPECT_FALSE(sim.asyncKeyDown(vk::kMenu));
    EXPECT_EQ(sim.menuActivations(), 0);  // Ctrl + Alt opens no menu
}

TEST(SimKeyboardTest, BareAltPressAndReleaseCountsAsAMenuActivation) {
    sim::SimInput sim;
    sim.tap(vk::kLMenu);
    EXPECT_EQ(sim.menuActivations(), 1);
    sim.press(vk::kLMenu);
    sim.tap('F');
    sim.release(vk::kLMenu);
    EXPECT_EQ(sim.menuActivations(), 1);
}

}  // namespace
}  // namespace kz
