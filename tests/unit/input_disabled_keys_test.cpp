// Keys the handler leaves alone although the trigger is held: the disable-keys text,
// keys without characters when DisableOtherKeys is on, and dead keys.
#include <gtest/gtest.h>

#include "input_test_rig.h"

namespace kz::testing {
namespace {

// With `held` down, does `key` open its popup, and does the application get it? The
// text compares what the key types, letter case counting and beyond ASCII as text
// (UTF-8, as the settings hold it); the UK pound key offers the euro sign.
TEST(DisabledKeysTest, TheDisableKeysTextAndDisableOtherKeysLetKeysPass) {
    struct Case { const sim::SimLayout& layout; const char* text; bool otherKeys; std::vector<int> held;
                  int key; bool opens; int received; };
    const Case cases[] = {
        {sim::UsLayout(), "E", false, {vk::kRMenu}, 'E', true, 0},  // types "e"
        {sim::UsLayout(), "E", false, {vk::kRMenu, vk::kLShift}, 'E', false, 1},
        {sim::UkLayout(), "", false, {vk::kRMenu, vk::kLShift}, '3', true, 0},
        {sim::UkLayout(), "x\u00A3y", false, {vk::kRMenu, vk::kLShift}, '3', false, 1},
        {sim::UsLayout(), "", false, {vk::kRMenu}, 'Q', false, 0},  // no characters: swallowed
        {sim::UsLayout(), "", true, {vk::kRMenu}, 'Q', false, 1},
        {sim::UsLayout(), "", true, {vk::kRMenu}, 'E', true, 0},
        {sim::UsInternationalLayout(), "", false, {vk::kRMenu}, 222, false, 1},  // a dead key
    };
    for (const Case& c : cases) {
        InputRig rig(c.layout);
        rig.keys[0xA3] = {u'\u20AC'};
        rig.settings.disableKeys = c.text;
        rig.settings.disableOtherKeys = c.otherKeys;
        for (int key : c.held) rig.sim.press(key);
        rig.sim.tap(c.key);
        EXPECT_EQ(rig.popup.shown(), c.opens) << c.layout.name << " " << c.text << " key " << c.key;
        EXPECT_EQ(rig.sim.keyDownsReceived(c.key), c.received) << c.layout.name << " " << c.text << " key " << c.key;
    }
}

// A dead key and the key after it reach the layout undisturbed when the trigger is not
// held, modifiers between them included; with the trigger held, the key after the dead
// key opens its popup.
TEST(DeadKeysTest, ADeadKeyAndTheKeyAfterItPassWhenTheTriggerIsNotHeld) {
    InputRig rig(sim::UsInternationalLayout());
    rig.sim.tap(222);  // dead acute
    rig.sim.tap('E');
    rig.sim.tap(222);
    rig.sim.press(vk::kLShift);
    EXPECT_TRUE(rig.handler.state().deadKeyPending);
    rig.sim.tap('E');
    rig.sim.release(vk::kLShift);
    EXPECT_FALSE(rig.handler.state().deadKeyPending);
    EXPECT_EQ(rig.typed(), u"\u00E9\u00C9");
    EXPECT_FALSE(rig.popup.shown());

    rig.sim.press(vk::kRMenu);
    rig.sim.tap(222);
    rig.sim.tap('E');
    EXPECT_TRUE(rig.popup.shown());
    EXPECT_EQ(rig.sim.keyDownsReceived('E'), 2);
}

}  // namespace
}  // namespace kz::testing
