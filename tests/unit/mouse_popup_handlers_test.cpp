// The popup's own mouse handlers, reached through the mouse hook and the window's hit test:
// rows, arrows, "abc" / "ABC" and the all-characters screen's lists and options.
#include <gtest/gtest.h>

#include "input_test_rig.h"

namespace kz::testing {
namespace {

class PopupMouseHandlersTest : public ::testing::Test {
protected:
    // The key popup of "a" (eight candidates) with the trigger still held: nothing selected.
    void openKeyPopupHeld() { rig.open('A', true); }
    AllCharsRig rig;
};

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
    rig.sim.release(vk::kRMenu);
    rig.sim.tap(vk::kEscape);

    rig.open();
    const int redraws = rig.view.listRedraws;
    rig.click(rig.pointIn(PopupControl::CaseUpper, 50));
    EXPECT_EQ(rig.popup.caseSel(), 1);
    EXPECT_GT(rig.view.listRedraws, redraws);
    rig.doubleClick(rig.pointIn(PopupControl::CharacterList, 400 + 100));
    EXPECT_EQ(rig.typed(), u"\u00C9");
}

TEST_F(PopupMouseHandlersTest, ClicksMoveTheKeysBetweenTheTwoLists) {
    rig.open();
    rig.click(rig.pointIn(PopupControl::TopList, 210 + 50));  // "with grave"
    EXPECT_EQ(rig.popup.focusList(), 1);
    EXPECT_EQ(rig.screen.groupSel(), 1);
    EXPECT_EQ(rig.listedNames(), (std::vector<std::string>{"e with grave", "a with grave"}));
    rig.sim.tap(vk::kReturn);
    EXPECT_TRUE(rig.popup.shown());  // the top list has the keys
    EXPECT_EQ(rig.typed(), u"");

    rig.click(rig.pointIn(PopupControl::CharacterList, 400 + 100));
    EXPECT_EQ(rig.popup.focusList(), 2);
    EXPECT_EQ(rig.screen.gridSel(), 1);
    rig.click(rig.pointIn(PopupControl::CharacterList, 6 * 400 + 100));  // below the last one
    EXPECT_EQ(rig.screen.gridSel(), 1);
    rig.sim.tap(vk::kReturn);
    EXPECT_EQ(rig.typed(), u"\u00E0");
}

}  // namespace
}  // namespace kz::testing
