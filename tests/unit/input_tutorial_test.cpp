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

TEST_F(TutorialTest, TheGestureAdvancesTheStepsAndTheChoiceIsRecordedNotTyped) {
    rig.sim.tap('Q');  // not held, popup hidden
    EXPECT_EQ(tutorial.step, "1");
    rig.sim.press(vk::kRMenu);  // the completing key going down: held, popup hidden
    EXPECT_EQ(tutorial.step, "2");
    rig.sim.clearLogs();
    rig.sim.tap('E');
    EXPECT_EQ(tutorial.step, "3");
    rig.sim.release(vk::kRMenu);
    rig.sim.tap('2');
    EXPECT_EQ(tutorial.step, "4");
    EXPECT_EQ(tutorial.lastText, u"\u00E8");
    EXPECT_EQ(tutorial.completions, 1);
    EXPECT_EQ(rig.typed(), u"");
    EXPECT_EQ(rig.keyEventsSent().size(), 16u) << "trigger keys released all the same";
}

TEST_F(TutorialTest, AKeyWithoutCharactersReportsStepTwoAndAMessage) {
    rig.sim.press(vk::kRMenu);
    rig.sim.tap('Q');
    EXPECT_EQ(tutorial.step, "2");
    ASSERT_EQ(tutorial.errors.size(), 1u);
    EXPECT_EQ(tutorial.errors[0], "There are no characters associated with that key");
    EXPECT_EQ(tutorial.errorMs, 2000);
    EXPECT_FALSE(rig.popup.shown());
}

TEST_F(TutorialTest, EscapeGoesBackToStepOneAndStepFourStays) {
    rig.sim.press(vk::kRMenu);
    rig.sim.tap('E');
    rig.sim.release(vk::kRMenu);
    rig.sim.tap(vk::kEscape);
    EXPECT_EQ(tutorial.step, "1");

    tutorial.step = "4";
    rig.sim.tap('Q');  // trigger not held, popup hidden: step 4 is kept
    EXPECT_EQ(tutorial.step, "4");
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
