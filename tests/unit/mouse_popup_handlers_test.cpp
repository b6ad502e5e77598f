// The popup's own mouse handlers, reached through the mouse hook and the window's hit test:
// rows, arrows, "abc" / "ABC" and the all-characters screen's lists and options.
#include <gtest/gtest.h>

#include "allchars_test_rig.h"

namespace kz::testing {
namespace {

class PopupMouseHandlersTest : public ::testing::Test {
protected:
    // The key popup of "a" (eight candidates) with the trigger still held: nothing selected.
    void openKeyPopupHeld() {
        rig.input.withHeld(vk::kRMenu, 'A');
        rig.placeWindows();
    }
    AllCharsRig rig;
};

TEST_F(PopupMouseHandlersTest, HitTestFindsEachControlWithCoordinatesFromItsCorner) {
    const ControlHit row = HitTestPopup(1, 5, 240 + 100, 1590 + 2 * 615 + 10);
    EXPECT_EQ(row.control, PopupControl::Rows);
    EXPECT_EQ(row.yTwips, 2 * 615 + 10);
    EXPECT_EQ(HitTestPopup(1, 5, 300, 1400).control, PopupControl::ArrowUp);
    EXPECT_EQ(HitTestPopup(1, 4, 300, 1590 + 5 * 615 + 10).control, PopupControl::ArrowDown);  // five rows
    EXPECT_EQ(HitTestPopup(1, 5, 1100, 1000).control, PopupControl::CaseUpper);
    EXPECT_EQ(HitTestPopup(1, 5, 100, 100).control, PopupControl::None);
    // The all-characters screen: its scroll bars overlap their lists' right edge.
    EXPECT_EQ(HitTestPopup(2, 5, 360 + 3335, 1320 + 800).control, PopupControl::TopBar);
    EXPECT_EQ(HitTestPopup(2, 5, 360 + 3300, 1320 + 800).control, PopupControl::TopList);
    EXPECT_EQ(HitTestPopup(2, 5, 360 + 2000, 1320 + 200).control, PopupControl::OptionLanguages);
    const ControlHit list = HitTestPopup(2, 5, 360 + 100, 1320 + 2310 + 450);
    EXPECT_EQ(list.control, PopupControl::CharacterList);
    EXPECT_EQ(list.yTwips, 450);
    EXPECT_EQ(HitTestPopup(2, 5, 1600, 1000).control, PopupControl::CaseLower);
}

TEST_F(PopupMouseHandlersTest, TheDownArrowShowsTheNextCandidateAndSelectsTheFirstVisible) {
    openKeyPopupHeld();
    ASSERT_EQ(rig.popup.selected(), kNothingSelected);
    rig.click(rig.pointIn(PopupControl::ArrowUp, 100));  // inactive: nothing above
    EXPECT_EQ(rig.popup.topRow(), 0);
    EXPECT_EQ(rig.popup.selected(), kNothingSelected);
    rig.click(rig.pointIn(PopupControl::ArrowDown, 100));
    EXPECT_EQ(rig.popup.topRow(), 1);
    EXPECT_EQ(rig.popup.selected(), 1);
    EXPECT_EQ(rig.popup.rowText(0), u'\u00E1');
    rig.click(rig.pointIn(PopupControl::ArrowDown, 100));
    rig.click(rig.pointIn(PopupControl::ArrowDown, 100));  // now inactive: the last one shows
    EXPECT_EQ(rig.popup.topRow(), 2);
    rig.click(rig.pointIn(PopupControl::Rows, 5 * 615 + 10));
    EXPECT_EQ(rig.popup.selected(), 7);
    rig.click(rig.pointIn(PopupControl::ArrowUp, 100));  // keeps the selection in view
    EXPECT_EQ(rig.popup.topRow(), 1);
    EXPECT_EQ(rig.popup.selected(), 6);
}

TEST_F(PopupMouseHandlersTest, CaseLabelsChooseTheCaseInBothModes) {
    openKeyPopupHeld();
    rig.click(rig.pointIn(PopupControl::CaseUpper, 50));
    EXPECT_EQ(rig.popup.caseSel(), 1);
    rig.click(rig.pointIn(PopupControl::CaseLower, 50));
    EXPECT_EQ(rig.popup.caseSel(), 0);
    rig.input.sim.release(vk::kRMenu);
    rig.input.sim.tap(vk::kEscape);

    rig.open();
    const int redraws = rig.lists.listRedraws;
    rig.click(rig.pointIn(PopupControl::CaseUpper, 50));
    EXPECT_EQ(rig.popup.caseSel(), 1);
    EXPECT_GT(rig.lists.listRedraws, redraws);
    rig.doubleClick(rig.pointIn(PopupControl::CharacterList, 400 + 100));
    EXPECT_EQ(rig.input.typed(), u"\u00C9");
}

TEST_F(PopupMouseHandlersTest, ClicksMoveTheKeysBetweenTheTwoLists) {
    rig.open();
    rig.click(rig.pointIn(PopupControl::TopList, 210 + 50));  // "with grave"
    EXPECT_EQ(rig.popup.focusList(), 1);
    EXPECT_EQ(rig.screen.groupSel(), 1);
    EXPECT_EQ(rig.listedNames(), (std::vector<std::string>{"e with grave", "a with grave"}));
    rig.input.sim.tap(vk::kReturn);
    EXPECT_TRUE(rig.popup.shown());  // the top list has the keys
    EXPECT_EQ(rig.input.typed(), u"");

    rig.click(rig.pointIn(PopupControl::CharacterList, 400 + 100));
    EXPECT_EQ(rig.popup.focusList(), 2);
    EXPECT_EQ(rig.screen.gridSel(), 1);
    rig.click(rig.pointIn(PopupControl::CharacterList, 6 * 400 + 100));  // below the last one
    EXPECT_EQ(rig.screen.gridSel(), 1);
    rig.input.sim.tap(vk::kReturn);
    EXPECT_EQ(rig.input.typed(), u"\u00E0");
}

TEST_F(PopupMouseHandlersTest, ClickingTheChosenTypeAgainChangesNothing) {
    rig.open();
    rig.input.sim.tap(vk::kDown);
    const int fills = rig.lists.listRedraws;
    rig.click(rig.pointIn(PopupControl::TopList, 50));
    EXPECT_EQ(rig.popup.focusList(), 1);
    EXPECT_EQ(rig.screen.gridSel(), 1);
    EXPECT_EQ(rig.lists.listRedraws, fills);
}

TEST_F(PopupMouseHandlersTest, TheOptionsSwitchBetweenTypesAndLanguages) {
    rig.open();
    rig.click(rig.pointIn(PopupControl::OptionLanguages, 50));
    EXPECT_EQ(rig.screen.optionIndex(), 1);
    EXPECT_EQ(rig.screen.topListDrawState().list.size(), 4u);
    rig.click(rig.pointIn(PopupControl::OptionTypes, 50));
    EXPECT_EQ(rig.screen.optionIndex(), 0);
    EXPECT_EQ(rig.screen.topCaption(), "Character Types:");
    EXPECT_EQ(rig.screen.topListDrawState().list.size(), 7u);
    EXPECT_EQ(rig.popup.focusList(), 1);
}

}  // namespace
}  // namespace kz::testing
