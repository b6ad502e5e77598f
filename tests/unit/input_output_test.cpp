// What the program sends besides the character. The foreground application must not open
// its menu bar after a gesture made with a right Alt that is plain Alt (US layout). After
// an automatic insert exactly the Ctrl and Alt keys the user holds go down again, each on
// its own side (the extended-key flag marks the right-hand keys: the system takes it as
// "the right one" whatever side the code names), and releasing them leaves nothing down.
#include <gtest/gtest.h>

#include "input_test_rig.h"
#include "keys/menu_mask.h"
#include "keys/output.h"

namespace kz::testing {
namespace {

int MaskEventsSent(const InputRig& rig) {
    int count = 0;
    for (const sim::SentInput& call : rig.sim.sent()) {
        if (call.kind == sim::SentInput::Kind::KeybdEvent && call.extraInfo == kMenuMaskTag) {
            EXPECT_EQ(call.vk, kMenuMaskKey);
            ++count;
        }
    }
    return count;
}

// However an Alt Gr gesture ends (a digit chooses after the release, the repeated key's
// release inserts, automatic insertion), the application stays out of menu mode: a mask
// press and release goes out, unswallowed, ahead of anything typed.
TEST(MenuMaskTest, AGestureWithAltGrLeavesTheApplicationOutOfMenuMode) {
    struct Case { bool autoInsert; std::string whileHeld, afterwards; std::u16string typed; int masks; };
    const Case cases[] = {
        {false, "E", "2", u"\u00E8", 2},  // one press and release, for the swallowed E
        {false, "EE", "", u"\u00E9", 4},  // one mask for each swallowed E
        {true, "Y", "", u"\u00FF", 4},   // the swallowed Y, then the automatic insert
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.whileHeld);
        InputRig rig;
        rig.settings.autoInsert = c.autoInsert;
        rig.sim.press(vk::kRMenu);
        for (const char key : c.whileHeld) rig.sim.tap(key);
        rig.sim.release(vk::kRMenu);
        for (const char key : c.afterwards) rig.sim.tap(key);
        EXPECT_EQ(rig.typed(), c.typed);
        EXPECT_EQ(rig.sim.menuActivations(), 0);
        EXPECT_EQ(MaskEventsSent(rig), c.masks);
        ASSERT_FALSE(rig.sim.sent().empty());
        EXPECT_EQ(rig.sim.sent().front().extraInfo, kMenuMaskTag);
        for (const sim::Delivery& d : rig.sim.deliveries()) {
            if (d.event.extraInfo == kMenuMaskTag) {
                EXPECT_FALSE(d.swallowed);
            }
        }
    }
}

TEST(MenuMaskTest, NoMaskWithoutAltOrForKeysThatPass) {
    InputRig rig;
    rig.settings.trigger = 4;
    rig.sim.press(vk::kF12);
    rig.sim.tap('E');
    EXPECT_EQ(MaskEventsSent(rig), 0);

    InputRig plain;
    plain.sim.press(vk::kLMenu);
    plain.sim.tap('F');  // Alt + F passes to the application
    plain.sim.release(vk::kLMenu);
    EXPECT_EQ(MaskEventsSent(plain), 0);
}

TEST(MenuMaskTest, TaggedEventsPassUntouchedEvenWhileThePopupIsShown) {
    InputRig rig;
    rig.sim.press(vk::kRMenu);
    rig.sim.tap('E');
    rig.sim.clearLogs();
    rig.sim.keybdEvent('C', 0, kMenuMaskTag);
    EXPECT_EQ(rig.popup.keyCode(), 'E');
    ASSERT_EQ(rig.sim.deliveries().size(), 1u);
    EXPECT_FALSE(rig.sim.deliveries()[0].swallowed);
}

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
