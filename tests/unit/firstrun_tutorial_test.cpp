// The tutorial opened by the program on the simulated desktop: its steps as the key
// handler and the popup report the gesture, its messages and the progress value it keeps.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "input_test_rig.h"
#include "settings/setting_access.h"
#include "settings/settings_table.h"

namespace kz::testing {
namespace {

class TutorialStepsTest : public ::testing::Test {
protected:
    TutorialStepsTest() { rig.settings.trigger = 2; }  // F10: the tutorial teaches Alt Gr all the same
    TutorialSteps& open() {
        rig.program.showTutorial();
        rig.process.processPendingMessages();  // the window opens from the message loop
        return *rig.windows.tutorial;
    }
    const sim::SimTutorialView& view() const { return rig.windows.tutorialView; }
    const TutorialPage& page() const { return view().page; }
    std::string progress() const { return settings::Read(rig.store, settings::kTutorial); }

    InputRig rig;
};

TEST_F(TutorialStepsTest, OpeningRecordsThatTheTutorialWasSeenWithoutUndoingACompletion) {
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {std::nullopt, "-1"}, {"0", "-1"}, {"-1", "-1"}, {"1", "1"}};
    for (const auto& [before, after] : cases) {
        if (before) settings::Write(rig.store, settings::kTutorial, *before);
        open();
        EXPECT_EQ(progress(), after) << before.value_or("missing");
        rig.windows.closeTutorial();
    }
}

TEST_F(TutorialStepsTest, TheGestureWalksTheStepsTypesNothingAndTypesAgainOnceClosed) {
    TutorialSteps& steps = open();
    open();  // a second request keeps the open window
    EXPECT_EQ(rig.windows.tutorialOpenings, 1);
    struct Stage {
        const char* what; std::function<void()> act; const char* step; bool secondary, frame, done;
    };
    const Stage stages[] = {
        {"Alt Gr held", [&] { rig.sim.press(vk::kRMenu); }, "2", true, false, false},
        {"a letter", [&] { rig.sim.tap('E'); }, "3", false, true, false},
        {"released, 2 picks", [&] { rig.sim.release(vk::kRMenu); rig.sim.tap('2'); }, "4", false, false, true},
        {"an idle key keeps step 4", [&] { rig.sim.tap('Q'); }, "4", false, false, true},
        {"run again", [&] { steps.runAgain(); }, "1", false, false, false},
    };
    for (const Stage& s : stages) {
        s.act();
        const TutorialPage& p = page();
        EXPECT_EQ(p.stepNumber, s.step) << s.what;
        EXPECT_EQ(!p.secondary.empty(), s.secondary) << s.what;
        EXPECT_EQ(p.popupFrame, s.frame) << s.what;
        EXPECT_EQ(p.doneButtons, s.done) << s.what;
        EXPECT_EQ(p.title, std::string(s.frame ? kTutorialShortTitle : kTutorialTitle)) << s.what;
        if (s.frame) {  // the frame rings the popup
            const PopupBounds& b = rig.popup.bounds();
            EXPECT_EQ(p.frame.left, b.leftTwips - 120);
            EXPECT_EQ(p.frame.width, b.widthTwips + 240);
            EXPECT_NE(p.instruction.find("arrow keys"), std::string::npos);
        }
        EXPECT_EQ(p.typedLine, s.done ? u"You have typed \"\u00E8\"" : u"") << s.what;
    }
    EXPECT_EQ(view().fronts, 1);
    EXPECT_EQ(progress(), "1");
    EXPECT_EQ(rig.typed(), u"q") << "only the idle key reached the application";

    rig.windows.closeTutorial();  // the setting's trigger is back, and the choice is typed
    rig.sim.press(vk::kF10);
    rig.sim.tap('E');
    rig.sim.release(vk::kF10);
    rig.advance(600);
    rig.sim.tap('2');
    EXPECT_EQ(rig.typed(), u"q\u00E8");
}

TEST_F(TutorialStepsTest, AMessageLastsItsTimeOrItsStepAndARepeatedStepRedrawsNothing) {
    TutorialSteps& steps = open();
    rig.sim.press(vk::kRMenu);
    rig.sim.tap('Q');  // no characters
    EXPECT_EQ(page().message, kNoCharactersMessage);
    EXPECT_EQ(view().timerMs, 2000);
    const int shows = view().shows;
    steps.setStep(2, u"");
    EXPECT_EQ(view().shows, shows) << "the same step again changes nothing";
    steps.messageTimerElapsed();
    EXPECT_EQ(page().message, "");

    steps.displayError("x", 0);
    EXPECT_GT(view().timerMs, 0) << "a message always goes away";
    rig.sim.tap('E');  // step 3 takes the message with it
    EXPECT_EQ(page().stepNumber, "3");
    EXPECT_EQ(page().message, "");
    EXPECT_EQ(view().timerMs, 0);
}

}  // namespace
}  // namespace kz::testing
