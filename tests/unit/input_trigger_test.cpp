// The trigger state machine across the trigger numbers: what arms it, the half-second
// recency of Ctrl and the function keys, and the times when every key passes.
#include <gtest/gtest.h>

#include "input_test_rig.h"

namespace kz::testing {
namespace {

bool LastSwallowed(const InputRig& rig, int vk, bool up) {
    const auto& all = rig.sim.deliveries();
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        if (static_cast<int>(it->event.vk) == vk && it->event.isUp() == up) return it->swallowed;
    }
    ADD_FAILURE() << "no event for vk " << vk;
    return false;
}

// With `held` pressed in order and kept down, does `key` open its popup? A key that
// opens is swallowed; one that does not reaches the application, unless a held function
// key trigger swallows everything.
TEST(TriggerTest, WhichHeldKeysArmEachTrigger) {
    struct Case { int trigger; std::vector<int> held; int key; bool opens; };
    const Case cases[] = {
        {0, {vk::kRMenu}, 'E', true},          {0, {vk::kLMenu}, 'E', false},
        {1, {vk::kLControl, vk::kLMenu}, 'A', true},
        {1, {vk::kLControl, vk::kRMenu}, 'A', false},  // right Alt with Ctrl is no Ctrl + Alt
        {2, {vk::kF10}, 'D', true},            {3, {vk::kF12 - 1}, 'C', true},
        {4, {vk::kF12 - 1}, 'C', false},       {5, {vk::kF1}, 'E', false},
        {5, {vk::kLControl, vk::kF1}, 'E', true}, {16, {vk::kRControl, vk::kF12}, 'C', true},
        {40, {vk::kRMenu}, 'E', false},  // an unknown trigger never arms
    };
    for (const Case& c : cases) {
        InputRig rig;
        rig.settings.trigger = static_cast<std::int16_t>(c.trigger);
        for (int key : c.held) rig.sim.press(key);
        rig.advance(2000);  // held long: no auto-repeat needed to stay armed
        rig.sim.press(c.key);
        const std::string trace = "trigger " + std::to_string(c.trigger) + " key " + std::to_string(c.key);
        EXPECT_EQ(rig.popup.shown(), c.opens) << trace;
        EXPECT_EQ(LastSwallowed(rig, c.key, false), c.opens) << trace;
        if (c.opens) {
            EXPECT_EQ(rig.handler.state().completingKey, c.held.back()) << trace;
        }
    }
}

// Ctrl + function key triggers count a Ctrl released within half a second as held.
TEST(TriggerTest, FunctionKeyTriggersNeverReachTheApplicationAndStayArmedHalfASecond) {
    InputRig ctrl;
    ctrl.settings.trigger = 5;  // Ctrl + F1
    ctrl.sim.tap(vk::kLControl);
    ctrl.advance(300);
    ctrl.sim.tap(vk::kF1);
    EXPECT_EQ(ctrl.sim.keyDownsReceived(vk::kF1), 0);
    ctrl.advance(1000);
    ctrl.sim.tap(vk::kF1);
    EXPECT_EQ(ctrl.sim.keyDownsReceived(vk::kF1), 1);

    for (int trigger : {2, 3, 4}) {
        for (const std::uint64_t after : {499u, 500u}) {
            InputRig rig;
            rig.settings.trigger = static_cast<std::int16_t>(trigger);
            const int fkey = trigger + 119;
            rig.sim.tap(fkey);
            EXPECT_EQ(rig.sim.keyDownsReceived(fkey), 0) << trigger;
            EXPECT_TRUE(LastSwallowed(rig, fkey, true)) << trigger;
            rig.advance(after);
            rig.sim.tap('E');
            EXPECT_EQ(rig.popup.shown(), after < 500) << trigger << " after " << after;
            EXPECT_EQ(rig.typed(), after < 500 ? u"" : u"e");
        }
    }
}

TEST(TriggerTest, OpenOptionsOrJustSavedSettingsLetEverythingPass) {
    for (const bool optionsOpen : {true, false}) {
        InputRig rig;
        rig.settings.trigger = 4;
        rig.program.instance().setOptionsOpen(optionsOpen);
        rig.sim.tap(vk::kF12);
        if (!optionsOpen) rig.handler.settingsSaved();  // forgets the F12 just pressed
        rig.sim.tap('E');
        EXPECT_FALSE(rig.popup.shown());
        EXPECT_EQ(rig.typed(), u"e");
    }
}

}  // namespace
}  // namespace kz::testing
