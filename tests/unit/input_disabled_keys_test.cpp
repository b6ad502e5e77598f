// Keys the handler leaves alone although the trigger is held: the disable-keys text,
// keys without characters when DisableOtherKeys is on, and dead keys.
#include <gtest/gtest.h>

#include "input_test_rig.h"

namespace kz::testing {
namespace {

TEST(DisabledKeysTest, AKeyWhoseCharacterIsInTheTextPassesWithLetterCaseCounting) {
    InputRig rig;
    rig.settings.disableKeys = "E";
    rig.sim.press(vk::kRMenu);
    rig.sim.tap('E');  // types "e": not in the text
    EXPECT_TRUE(rig.popup.shown());
    int escape = vk::kEscape;
    rig.popup.onPopupKey(escape, 0);

    rig.sim.press(vk::kRMenu);
    rig.sim.press(vk::kLShift);
    rig.sim.tap('E');  // types "E": disabled
    EXPECT_FALSE(rig.popup.shown());
    EXPECT_EQ(rig.sim.keyDownsReceived('E'), 1);
}

TEST(DisabledKeysTest, CharactersBeyondAsciiAreComparedAsText) {
    InputRig rig(sim::UkLayout());
    rig.keys[0xA3] = {u'\u20AC'};  // the pound key offers the euro sign
    rig.sim.press(vk::kRMenu);
    rig.sim.press(vk::kLShift);
    rig.sim.tap('3');
    EXPECT_TRUE(rig.popup.shown());

    InputRig disabled(sim::UkLayout());
    disabled.keys[0xA3] = {u'\u20AC'};
    disabled.settings.disableKeys = "x\u00A3y";  // UTF-8, as the settings hold it
    disabled.sim.press(vk::kRMenu);
    disabled.sim.press(vk::kLShift);
    disabled.sim.tap('3');
    EXPECT_FALSE(disabled.popup.shown());
    EXPECT_EQ(disabled.sim.keyDownsReceived('3'), 1);
}

TEST(DisabledKeysTest, KeysWithoutCharactersAreSwallowedUnlessDisableOtherKeysIsOn) {
    InputRig rig;
    rig.sim.press(vk::kRMenu);
    rig.sim.tap('Q');
    EXPECT_EQ(rig.sim.keyDownsReceived('Q'), 0);
    EXPECT_FALSE(rig.popup.shown());

    InputRig other;
    other.settings.disableOtherKeys = true;
    other.sim.press(vk::kRMenu);
    other.sim.tap('Q');
    EXPECT_EQ(other.sim.keyDownsReceived('Q'), 1);
    other.sim.tap('E');
    EXPECT_TRUE(other.popup.shown()) << "keys with characters still open the popup";
}

TEST(DeadKeysTest, ADeadKeyAndTheKeyAfterItPassWhenTheTriggerIsNotHeld) {
    InputRig rig(sim::UsInternationalLayout());
    rig.sim.tap(222);  // dead acute
    rig.sim.tap('E');
    EXPECT_EQ(rig.typed(), u"\u00E9") << "the layout composed them undisturbed";
    EXPECT_FALSE(rig.handler.state().deadKeyPending);
    EXPECT_FALSE(rig.popup.shown());
}

TEST(DeadKeysTest, WithTheTriggerHeldTheDeadKeyPassesAndTheNextKeyOpensThePopup) {
    InputRig rig(sim::UsInternationalLayout());
    rig.sim.press(vk::kRMenu);
    rig.sim.tap(222);
    EXPECT_EQ(rig.sim.keyDownsReceived(222), 1);
    rig.sim.tap('E');
    EXPECT_TRUE(rig.popup.shown());
    EXPECT_EQ(rig.sim.keyDownsReceived('E'), 0);
}

TEST(DeadKeysTest, ModifiersDoNotEndTheWaitForTheKeyAfterADeadKey) {
    InputRig rig(sim::UsInternationalLayout());
    rig.sim.tap(222);
    rig.sim.press(vk::kLShift);
    EXPECT_TRUE(rig.handler.state().deadKeyPending);
    rig.sim.tap('E');
    rig.sim.release(vk::kLShift);
    EXPECT_FALSE(rig.handler.state().deadKeyPending);
    EXPECT_EQ(rig.typed(), u"\u00C9");
}

}  // namespace
}  // namespace kz::testing
