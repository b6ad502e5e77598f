// The trigger state machine across the trigger numbers: what arms it, what its release
// does, and the half-second recency of Ctrl and the function keys.
#include <gtest/gtest.h>

#include "input_test_rig.h"

namespace kz::testing {
namespace {

const sim::Delivery& LastDelivery(const InputRig& rig, int vk, bool up) {
    const auto& all = rig.sim.deliveries();
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        if (static_cast<int>(it->event.vk) == vk && it->event.isUp() == up) return *it;
    }
    ADD_FAILURE() << "no event for vk " << vk;
    return all.front();
}

TEST(TriggerTest, AltGrOpensThePopupForAKeyWithCharacters) {
    InputRig rig;
    rig.sim.press(vk::kRMenu);
    EXPECT_FALSE(LastDelivery(rig, vk::kRMenu, false).swallowed);
    rig.sim.press('E');
    EXPECT_TRUE(LastDelivery(rig, 'E', false).swallowed);
    ASSERT_TRUE(rig.popup.shown());
    EXPECT_EQ(rig.popup.keyChars(), (CandidateList{kEAcute, kEGrave, kECirc, kEDiaer}));
    EXPECT_EQ(rig.popup.mode(), 1);
    EXPECT_EQ(rig.popup.keyCode(), 'E');
    EXPECT_EQ(rig.popup.selected(), kNothingSelected);
    EXPECT_EQ(rig.sim.mouseHookInstalls(), 1);
    rig.sim.release('E');
    EXPECT_FALSE(LastDelivery(rig, 'E', true).swallowed);

    rig.sim.release(vk::kRMenu);  // its release highlights the first candidate
    EXPECT_FALSE(LastDelivery(rig, vk::kRMenu, true).swallowed);
    EXPECT_TRUE(rig.gesture.triggerReleased);
    EXPECT_EQ(rig.popup.selected(), 0);
    EXPECT_TRUE(rig.popup.shown());
    EXPECT_EQ(rig.typed(), u"");
}

TEST(TriggerTest, CtrlAltArmsWithTheLeftAltOnlyAndItsReleaseEndsTheGesture) {
    InputRig rig;
    rig.settings.trigger = 1;
    rig.sim.press(vk::kLControl);
    rig.sim.press(vk::kRMenu);
    rig.sim.tap('A');
    EXPECT_FALSE(rig.popup.shown()) << "right Alt with Ctrl is no Ctrl + Alt trigger";
    EXPECT_EQ(rig.sim.keyDownsReceived('A'), 1);
    rig.sim.release(vk::kRMenu);

    rig.sim.press(vk::kLMenu);
    rig.sim.tap('A');
    ASSERT_TRUE(rig.popup.shown());
    EXPECT_EQ(rig.handler.state().completingKey, vk::kLMenu);
    // Low-level events name the left Ctrl, so its release is no trigger release...
    rig.sim.release(vk::kLControl);
    EXPECT_EQ(rig.popup.selected(), kNothingSelected);
    // ...while the Alt's is.
    rig.sim.release(vk::kLMenu);
    EXPECT_EQ(rig.popup.selected(), 0);
}

TEST(TriggerTest, FunctionKeyTriggersNeverReachTheApplicationAndStayArmedHalfASecond) {
    for (int trigger : {2, 3, 4}) {
        SCOPED_TRACE(trigger);
        InputRig rig;
        rig.settings.trigger = static_cast<std::int16_t>(trigger);
        const int fkey = trigger + 119;
        rig.sim.tap(fkey);
        EXPECT_EQ(rig.sim.keyDownsReceived(fkey), 0);
        EXPECT_TRUE(LastDelivery(rig, fkey, true).swallowed);

        rig.advance(499);
        rig.sim.tap('E');  // still counts as triggered
        EXPECT_TRUE(rig.popup.shown());
        int escape = vk::kEscape;
        rig.popup.onPopupKey(escape, 0);

        InputRig later;
        later.settings.trigger = static_cast<std::int16_t>(trigger);
        later.sim.tap(fkey);
        later.advance(500);  // half a second after the press: no longer recent
        later.sim.tap('Q');
        EXPECT_EQ(later.typed(), u"q");
        EXPECT_FALSE(later.popup.shown());
    }
}

TEST(TriggerTest, HeldFunctionKeyArmsAndEveryOtherKeyIsSwallowedMeanwhile) {
    InputRig rig;
    rig.settings.trigger = 2;  // F10
    rig.sim.press(vk::kF10);
    rig.advance(2000);  // held long: no auto-repeat needed to stay armed
    rig.sim.tap('Q');   // no characters: swallowed, nothing opens
    EXPECT_EQ(rig.sim.keyDownsReceived('Q'), 0);
    EXPECT_FALSE(rig.popup.shown());
    rig.sim.tap('D');
    EXPECT_TRUE(rig.popup.shown());
    EXPECT_EQ(rig.popup.keyChars(), (CandidateList{kDStroke, kDCaron}));
}

TEST(TriggerTest, CtrlFunctionKeyNeedsCtrlNowOrWithinHalfASecond) {
    InputRig rig;
    rig.settings.trigger = 5;  // Ctrl + F1
    rig.sim.tap(vk::kF1);
    EXPECT_EQ(rig.sim.keyDownsReceived(vk::kF1), 1) << "F1 alone reaches the application";

    rig.advance(1000);
    rig.sim.tap(vk::kLControl);
    rig.advance(300);
    rig.sim.tap(vk::kF1);
    EXPECT_EQ(rig.sim.keyDownsReceived(vk::kF1), 1) << "Ctrl released 0.3 s ago still counts";

    rig.advance(1000);
    rig.sim.tap(vk::kF1);
    EXPECT_EQ(rig.sim.keyDownsReceived(vk::kF1), 2);

    rig.sim.press(vk::kLControl);
    rig.sim.press(vk::kF1);
    rig.sim.tap('E');
    EXPECT_TRUE(rig.popup.shown());
    EXPECT_EQ(rig.handler.state().completingKey, vk::kF1);
}

TEST(TriggerTest, CtrlF12IsTriggerSixteen) {
    InputRig rig;
    rig.settings.trigger = 16;
    rig.sim.press(vk::kRControl);
    rig.sim.press(vk::kF12);
    rig.sim.tap('C');
    EXPECT_TRUE(rig.popup.shown());
    EXPECT_EQ(rig.sim.keyDownsReceived(vk::kF12), 0);
}

TEST(TriggerTest, AnUnknownTriggerNumberNeverArms) {
    InputRig rig;
    rig.settings.trigger = 40;
    rig.sim.press(vk::kRMenu);
    rig.sim.tap('E');
    EXPECT_FALSE(rig.popup.shown());
    EXPECT_EQ(rig.sim.keyDownsReceived('E'), 1);
}

TEST(TriggerTest, EverythingPassesWhileOptionsIsOpen) {
    InputRig rig;
    rig.program.instance().setOptionsOpen(true);
    rig.settings.trigger = 4;
    rig.sim.tap(vk::kF12);
    rig.sim.tap('E');
    EXPECT_EQ(rig.sim.keyDownsReceived(vk::kF12), 1);
    EXPECT_FALSE(rig.popup.shown());
    EXPECT_EQ(rig.typed(), u"e");
}

TEST(TriggerTest, SavingTheSettingsForgetsAFunctionKeyJustPressed) {
    InputRig rig;
    rig.settings.trigger = 4;
    rig.sim.tap(vk::kF12);
    rig.handler.settingsSaved();
    rig.sim.tap('Q');
    EXPECT_EQ(rig.typed(), u"q");
}

}  // namespace
}  // namespace kz::testing
