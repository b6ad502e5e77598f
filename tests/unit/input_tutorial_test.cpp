// The key handler's and the popup's reports to the tutorial window while it is open.
#include <gtest/gtest.h>

#include "input_test_rig.h"

namespace kz::testing {
namespace {

class TutorialTest : public ::testing::Test {
protected:
    TutorialTest() {
        rig.settings.trigger = 4;  // the tutorial teaches Alt Gr whatever the setting
        rig.settings.autoInsert = true;
        rig.tutorial.set(&tutorial);
    }
    InputRig rig;
    FakeTutorial tutorial;
};

// A key without characters reports step two and a message; the choice is recorded, not
// typed, though the trigger keys are released all the same; Escape goes back to step one.
TEST_F(TutorialTest, TheGestureAdvancesTheStepsAndTheChoiceIsRecordedNotTyped) {
    rig.sim.press(vk::kRMenu);
    rig.sim.tap('Q');
    EXPECT_EQ(tutorial.step, "2");
    EXPECT_EQ(tutorial.errors, std::vector<std::string>{"There are no characters associated with that key, 2000"});
    EXPECT_FALSE(rig.popup.shown());
    rig.sim.clearLogs();
    rig.sim.tap('E');
    EXPECT_EQ(tutorial.step, "3");
    rig.sim.release(vk::kRMenu);
    rig.sim.tap('2');
    EXPECT_EQ(tutorial.step, "4");
    EXPECT_EQ(tutorial.lastText, u"\u00E8");
    EXPECT_EQ(tutorial.completions, 1);
    EXPECT_EQ(rig.typed(), u"");
    EXPECT_EQ(rig.keyEventsSent().size(), 16u);

    rig.altGrTap('E');
    rig.sim.tap(vk::kEscape);
    EXPECT_EQ(tutorial.step, "1");
}

TEST_F(TutorialTest, ThePopupShowsFiveRowsInTheTutorialsLowerRightAndNeverInsertsByItself) {
    rig.sim.press(vk::kRMenu);
    rig.sim.tap('Y');  // one candidate, automatic insert on: not with the tutorial open
    ASSERT_TRUE(rig.popup.shown());
    EXPECT_EQ(rig.popup.lastRow(), 4);
    EXPECT_EQ(rig.popup.bounds().heightTwips, 4920);
    // 1500 + 7000 - 2 * 18 - 375 - 2175, and 1500 + 6000 - 4920 - 165 - (2 * 18 + 3).
    EXPECT_EQ(rig.popup.bounds().leftTwips, 5914);
    EXPECT_EQ(rig.popup.bounds().topTwips, 2376);
    EXPECT_EQ(rig.typed(), u"");
}

}  // namespace
}  // namespace kz::testing
