// The output primitives: the exact records and key events, and how they come back
// through our own hook.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "keys/output.h"
#include "input_test_rig.h"

namespace kz::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::Pair;
using platform::KeyboardInput;

// The extended-key flag goes with the right-hand keys only: the system takes it as "the
// right one" whatever side the code names.
constexpr std::uint32_t kLeftUp = 2, kRightUp = 3, kLeftDown = 0, kRightDown = 1;

TEST(OutputTest, UnicodeCharacterIsOnePressAndReleaseInOneCall) {
    sim::SimInput sim;
    TypeUnicodeChar(sim, u'\u0151');

    ASSERT_EQ(sim.sent().size(), 1u);
    EXPECT_EQ(sim.sent()[0].kind, sim::SentInput::Kind::SendInput);
    EXPECT_THAT(sim.sent()[0].records,
                ElementsAre(KeyboardInput{.vk = 0, .scan = 0x151, .flags = 4},
                            KeyboardInput{.vk = 0, .scan = 0x151, .flags = 6}));
    EXPECT_EQ(sim.typedText(), u"\u0151");
}

TEST(OutputTest, ReleaseTriggerKeysSendsSixteenKeyUpsInOrderEvenWithNothingDown) {
    InputRig rig;
    ReleaseTriggerKeys(rig.sim);

    EXPECT_THAT(rig.keyEventsSent(),
                ElementsAre(Pair(162, kLeftUp), Pair(163, kRightUp), Pair(165, kRightUp),
                            Pair(164, kLeftUp), Pair(112, kLeftUp), Pair(113, kLeftUp),
                            Pair(114, kLeftUp), Pair(115, kLeftUp), Pair(116, kLeftUp),
                            Pair(117, kLeftUp), Pair(118, kLeftUp), Pair(119, kLeftUp),
                            Pair(120, kLeftUp), Pair(121, kLeftUp), Pair(122, kLeftUp),
                            Pair(123, kLeftUp)));
    // Each one went through the key handler and reached the application.
    ASSERT_EQ(rig.sim.deliveries().size(), 16u);
    for (const sim::Delivery& d : rig.sim.deliveries()) {
        EXPECT_TRUE(d.injected);
        EXPECT_FALSE(d.swallowed);
    }
}

// After an automatic insert exactly the Ctrl and Alt keys the user holds go down again,
// each on its own side, and releasing them leaves nothing down.
TEST(OutputTest, PressTriggerAgainPressesExactlyTheHeldKeysOnTheirSides) {
    struct Case {
        std::vector<int> held;
        std::vector<std::pair<int, std::uint32_t>> sent;
    };
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
