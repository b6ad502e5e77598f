// The foreground application must not open its menu bar after a gesture made with a
// right Alt that is plain Alt (US layout).
#include <gtest/gtest.h>

#include "keys/menu_mask.h"
#include "input_test_rig.h"

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

TEST(MenuMaskTest, AGestureWithAltGrLeavesTheApplicationOutOfMenuMode) {
    InputRig rig;
    rig.sim.press(vk::kRMenu);
    rig.sim.tap('E');
    rig.sim.release(vk::kRMenu);
    rig.sim.tap('2');
    EXPECT_EQ(rig.typed(), u"\u00E8");
    EXPECT_EQ(rig.sim.menuActivations(), 0);
    EXPECT_EQ(MaskEventsSent(rig), 2) << "one press and release, for the swallowed E";
    for (const sim::Delivery& d : rig.sim.deliveries()) {
        if (d.event.extraInfo == kMenuMaskTag) {
            EXPECT_FALSE(d.swallowed);
        }
    }
}

TEST(MenuMaskTest, TheRepeatedKeyAndItsReleaseInsertStayOutOfMenuMode) {
    InputRig rig;
    rig.sim.press(vk::kRMenu);
    rig.sim.tap('E');
    rig.sim.tap('E');
    rig.sim.release(vk::kRMenu);
    EXPECT_EQ(rig.typed(), u"\u00E9");
    EXPECT_EQ(rig.sim.menuActivations(), 0);
}

TEST(MenuMaskTest, TheMaskGoesOutAheadOfAnAutomaticInsert) {
    InputRig rig;
    rig.settings.autoInsert = true;
    rig.sim.press(vk::kRMenu);
    rig.sim.tap('Y');
    rig.sim.release(vk::kRMenu);
    EXPECT_EQ(rig.typed(), u"\u00FF");
    EXPECT_EQ(rig.sim.menuActivations(), 0);
    ASSERT_FALSE(rig.sim.sent().empty());
    EXPECT_EQ(rig.sim.sent().front().extraInfo, kMenuMaskTag);
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

}  // namespace
}  // namespace kz::testing
