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

constexpr std::uint32_t kPress = 1;    // KEYEVENTF_EXTENDEDKEY
constexpr std::uint32_t kRelease = 3;  // with KEYEVENTF_KEYUP

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
                ElementsAre(Pair(162, kRelease), Pair(163, kRelease), Pair(165, kRelease),
                            Pair(164, kRelease), Pair(112, kRelease), Pair(113, kRelease),
                            Pair(114, kRelease), Pair(115, kRelease), Pair(116, kRelease),
                            Pair(117, kRelease), Pair(118, kRelease), Pair(119, kRelease),
                            Pair(120, kRelease), Pair(121, kRelease), Pair(122, kRelease),
                            Pair(123, kRelease)));
    // Each one went through the key handler and reached the application.
    ASSERT_EQ(rig.sim.deliveries().size(), 16u);
    for (const sim::Delivery& d : rig.sim.deliveries()) {
        EXPECT_TRUE(d.injected);
        EXPECT_FALSE(d.swallowed);
    }
}

TEST(OutputTest, PressTriggerAgainPressesEachTriggersKeys) {
    const auto sentFor = [](int trigger) {
        InputRig rig;
        PressTriggerAgain(rig.sim, trigger);
        return rig.keyEventsSent();
    };
    EXPECT_THAT(sentFor(0), ElementsAre(Pair(165, kPress)));
    EXPECT_THAT(sentFor(1), ElementsAre(Pair(17, kPress), Pair(164, kPress), Pair(165, kRelease)));
    EXPECT_THAT(sentFor(2), ElementsAre(Pair(121, kPress)));
    EXPECT_THAT(sentFor(4), ElementsAre(Pair(123, kPress)));
    EXPECT_THAT(sentFor(5), ElementsAre(Pair(17, kPress), Pair(112, kPress)));
    EXPECT_THAT(sentFor(16), ElementsAre(Pair(17, kPress), Pair(123, kPress)));
    EXPECT_THAT(sentFor(18), ElementsAre());
    EXPECT_THAT(sentFor(-1), ElementsAre());
}

TEST(OutputTest, PressedGenericCtrlLandsOnTheRightSideBecauseOfTheExtendedFlag) {
    InputRig rig;
    PressTriggerAgain(rig.sim, 1);
    EXPECT_TRUE(rig.sim.asyncKeyDown(vk::kControl));
    EXPECT_TRUE(rig.sim.asyncKeyDown(vk::kRControl));
    EXPECT_FALSE(rig.sim.asyncKeyDown(vk::kLControl));
    EXPECT_TRUE(rig.sim.asyncKeyDown(vk::kLMenu));
    EXPECT_TRUE(rig.sim.asyncKeyDown(vk::kMenu));
}

}  // namespace
}  // namespace kz::testing
