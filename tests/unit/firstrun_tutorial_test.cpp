// The tutorial's steps as the real key handler and popup report the gesture on the
// simulated desktop, and the progress value it keeps.
#include <gtest/gtest.h>

#include <optional>

#include "firstrun/tutorial_steps.h"
#include "input_test_rig.h"
#include "platform/sim/sim_registry.h"
#include "settings/setting_access.h"
#include "settings/settings_table.h"

namespace kz::testing {
namespace {

class RecordingTutorialView final : public TutorialView {
public:
    void show(const TutorialPage& p) override {
        page = p;
        ++shows;
    }
    void bringToFront() override { ++fronts; }
    void startMessageTimer(int ms) override { timerMs = ms; }
    void stopMessageTimer() override { timerMs = 0; }
    TwipsRect bounds() const override { return {1500, 1500, 9000, 6600}; }

    TutorialPage page;
    int shows = 0, fronts = 0, timerMs = 0;
};

class TutorialStepsTest : public ::testing::Test {
protected:
    TutorialStepsTest() { rig.settings.trigger = 3; }  // F11: the tutorial teaches Alt Gr all the same
    void open() {
        steps.emplace(TutorialSteps::Links{view, store, [this] {
                                               return PopupOutline{rig.popup.mode() == 1,
                                                                   {rig.popup.bounds().leftTwips,
                                                                    rig.popup.bounds().topTwips,
                                                                    rig.popup.bounds().widthTwips,
                                                                    rig.popup.bounds().heightTwips}};
                                           }});
        rig.tutorial.set(&*steps);
    }
    std::string progress() const { return settings::Read(store, settings::kTutorial); }

    InputRig rig;
    sim::SimRegistry registry;
    SettingsStore store{registry};
    RecordingTutorialView view;
    std::optional<TutorialSteps> steps;
};

TEST_F(TutorialStepsTest, OpeningRecordsThatTheTutorialWasSeenWithoutUndoingACompletion) {
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {std::nullopt, "-1"}, {"0", "-1"}, {"-1", "-1"}, {"1", "1"}};
    for (const auto& [before, after] : cases) {
        if (before) settings::Write(store, settings::kTutorial, *before);
        open();
        EXPECT_EQ(progress(), after) << before.value_or("missing");
        EXPECT_EQ(view.page.stepNumber, "1");
        EXPECT_TRUE(view.page.keyPicture);
    }
}

TEST_F(TutorialStepsTest, TheGestureWalksTheStepsAndTheChoiceIsShownNotTyped) {
    open();
    struct Stage {
        const char* what;
        std::function<void()> act;
        const char* step;
        bool keyPicture, secondary, frame, done;
    };
    const Stage stages[] = {
        {"Alt Gr held", [&] { rig.sim.press(vk::kRMenu); }, "2", false, true, false, false},
        {"a letter", [&] { rig.sim.tap('E'); }, "3", false, false, true, false},
        {"released, 2 picks", [&] { rig.sim.release(vk::kRMenu); rig.sim.tap('2'); }, "4", false, false, false, true},
        {"an idle key keeps step 4", [&] { rig.sim.tap('Q'); }, "4", false, false, false, true},
        {"run again", [&] { steps->runAgain(); }, "1", true, false, false, false},
    };
    for (const Stage& s : stages) {
        s.act();
        const TutorialPage& page = view.page;
        EXPECT_EQ(page.stepNumber, s.step) << s.what;
        EXPECT_EQ(page.keyPicture, s.keyPicture) << s.what;
        EXPECT_EQ(!page.secondary.empty(), s.secondary) << s.what;
        EXPECT_EQ(page.popupFrame, s.frame) << s.what;
        EXPECT_EQ(page.doneButtons, s.done) << s.what;
        EXPECT_EQ(!page.typedLine.empty(), s.done) << s.what;
        EXPECT_EQ(page.title, std::string(s.frame ? kTutorialShortTitle : kTutorialTitle)) << s.what;
        if (std::string(s.step) == "3") {
            const PopupBounds& b = rig.popup.bounds();
            EXPECT_EQ(page.frame.left, b.leftTwips - 120);
            EXPECT_EQ(page.frame.width, b.widthTwips + 240);
            EXPECT_NE(page.instruction.find("arrow keys"), std::string::npos);
        }
        if (std::string(s.step) == "4") EXPECT_EQ(page.typedLine, u"You have typed \"\u00E8\"");
    }
    EXPECT_EQ(view.fronts, 1);
    EXPECT_EQ(progress(), "1");
    EXPECT_EQ(rig.typed(), u"");
}

TEST_F(TutorialStepsTest, TheAllCharactersScreenGetsTheShortInstruction) {
    open();
    rig.sim.press(vk::kRMenu);
    rig.sim.tap(' ');
    EXPECT_EQ(view.page.stepNumber, "3");
    EXPECT_EQ(view.page.instruction, "release both keys\n\nthen\n\nselect a character from the list");
}

TEST_F(TutorialStepsTest, AMessageLastsItsTimeOrItsStepAndARepeatedStepRedrawsNothing) {
    open();
    rig.sim.press(vk::kRMenu);
    rig.sim.tap('Q');  // no characters
    EXPECT_EQ(view.page.message, kNoCharactersMessage);
    EXPECT_EQ(view.timerMs, 2000);
    const int shows = view.shows;
    steps->setStep(2, u"");
    EXPECT_EQ(view.shows, shows) << "the same step again changes nothing";
    steps->messageTimerElapsed();
    EXPECT_EQ(view.page.message, "");

    steps->displayError("x", 0);
    EXPECT_GT(view.timerMs, 0) << "a message always goes away";
    rig.sim.tap('E');  // step 3 takes the message with it
    EXPECT_EQ(view.page.stepNumber, "3");
    EXPECT_EQ(view.page.message, "");
    EXPECT_EQ(view.timerMs, 0);
}

TEST_F(TutorialStepsTest, StepFourShowsAnyCharacterAndStrayStepsAreIgnored) {
    open();
    steps->setStep(4, u"\u0436");
    EXPECT_EQ(view.page.typedLine, u"You have typed \"\u0436\"");
    for (int stray : {0, 5, -1}) steps->setStep(stray, u"");
    EXPECT_EQ(view.page.stepNumber, "4");
}

}  // namespace
}  // namespace kz::testing
