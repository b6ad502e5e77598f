// After an automatic insert exactly the Ctrl and Alt keys the user holds go down again,
// each on its own side (the extended-key flag marks the right-hand keys: the system takes
// it as "the right one" whatever side the code names), and releasing them leaves nothing
// down.
#include <gtest/gtest.h>

#include "input_test_rig.h"
#include "keys/output.h"

namespace kz::testing {
namespace {

TEST(OutputTest, PressTriggerAgainPressesExactlyTheHeldKeysOnTheirSides) {
    constexpr std::uint32_t kLeftDown = 0, kRightDown = 1;
    struct Case { std::vector<int> held; std::vector<std::pair<int, std::uint32_t>> sent; };
    const Case cases[] = {
        {{vk::kRMenu}, {{165, kRightDown}}},
        {{vk::kLControl, vk::kLMenu}, {{162, kLeftDown}, {164, kLeftDown}}},
        {{vk::kRControl, vk::kLMenu}, {{163, kRightDown}, {164, kLeftDown}}},
        {{}, {}},
    };
    for (const Case& c : cases) {
        InputRig rig;
        for (int key : c.held) rig.sim.press(key);
        const HeldKeys held = HeldCtrlAndAlt(rig.sim);
        ReleaseTriggerKeys(rig.sim);
        for (int key : {vk::kControl, vk::kMenu}) EXPECT_FALSE(rig.sim.asyncKeyDown(key)) << key;
        rig.sim.clearLogs();
        PressTriggerAgain(rig.sim, held.list());
        EXPECT_EQ(rig.keyEventsSent(), c.sent);
        for (int key : c.held) EXPECT_TRUE(rig.sim.asyncKeyDown(key)) << key;
        for (int key : c.held) rig.sim.release(key);
        for (int key : {vk::kControl, vk::kMenu}) EXPECT_FALSE(rig.sim.asyncKeyDown(key)) << key;
    }
}

}  // namespace
}  // namespace kz::testing
