// What keys type, asked the way the handler asks: KeyToChar, IsDeadKey, CapsLockOn and the
// lower-case rule of the key table's index.
#include <gtest/gtest.h>

#include "keys/key_translation.h"
#include "keys/virtual_keys.h"
#include "platform/sim/sim_input.h"

namespace kz {
namespace {

TEST(KeyTranslationTest, KeyToCharFollowsTheLayoutAndShift) {
    sim::SimInput us(sim::UsLayout());
    EXPECT_EQ(KeyToChar(us, 'E', false), 'e');
    EXPECT_EQ(KeyToChar(us, 'E', true), 'E');
    EXPECT_EQ(KeyToChar(us, '3', true), '#');
    EXPECT_EQ(KeyToChar(us, 222, false), '\'');
    EXPECT_EQ(KeyToChar(us, vk::kRMenu, false), 0);  // a modifier types nothing

    sim::SimInput uk(sim::UkLayout());
    EXPECT_EQ(KeyToChar(uk, '3', true), 0xA3);  // the pound sign, beyond ASCII
    EXPECT_EQ(KeyToChar(uk, 222, false), '#');
    EXPECT_EQ(uk.layoutName(), "00000809");
}

TEST(KeyTranslationTest, DeadKeysAreReportedAndLeaveNothingPendingInTheLayout) {
    sim::SimInput intl(sim::UsInternationalLayout());
    EXPECT_TRUE(IsDeadKey(intl, 222, false));
    EXPECT_TRUE(IsDeadKey(intl, '6', true));  // ^
    EXPECT_FALSE(IsDeadKey(intl, '6', false));
    EXPECT_FALSE(IsDeadKey(intl, 'E', false));
    // Had the accent stayed pending, e would come back as e-acute.
    EXPECT_EQ(KeyToChar(intl, 'E', false), 'e');
    // KeyToChar on the dead key itself gives its accent and also leaves nothing behind.
    EXPECT_EQ(KeyToChar(intl, 222, false), '\'');
    EXPECT_EQ(KeyToChar(intl, 'E', false), 'e');

    sim::SimInput us(sim::UsLayout());
    EXPECT_FALSE(IsDeadKey(us, 222, false));
}

TEST(KeyTranslationTest, CapsLockIsOnExactlyWhenToggled) {
    sim::SimInput sim;
    EXPECT_FALSE(CapsLockOn(sim));
    sim.tap(vk::kCapital);
    EXPECT_TRUE(CapsLockOn(sim));
    sim.press(vk::kCapital);  // held down while on: state -127... then it toggles off
    EXPECT_FALSE(CapsLockOn(sim));
    sim.release(vk::kCapital);
    sim.setCapsLock(true);
    sim.setKeyDown(vk::kCapital, true);
    EXPECT_EQ(sim.keyState(vk::kCapital), -127);
    EXPECT_TRUE(CapsLockOn(sim));
}

TEST(KeyTranslationTest, LowerAnsiFollowsTheWesternCodePage) {
    EXPECT_EQ(LowerAnsi('E'), 'e');
    EXPECT_EQ(LowerAnsi('e'), 'e');
    EXPECT_EQ(LowerAnsi('1'), '1');
    EXPECT_EQ(LowerAnsi(0xC9), 0xE9);  // E acute
    EXPECT_EQ(LowerAnsi(0xD7), 0xD7);  // the multiplication sign has no case
    EXPECT_EQ(LowerAnsi(0x8A), 0x9A);  // S caron
    EXPECT_EQ(LowerAnsi(0x9F), 0xFF);  // Y diaeresis
}

}  // namespace
}  // namespace kz
