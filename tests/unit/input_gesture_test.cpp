// Whole gestures on the simulated desktop, from the trigger to the character that the
// application receives: numbers, Enter, arrows, the repeated key, accent symbols, case,
// Escape and Backspace, the automatic insert, the all-characters screen's entry.
#include <gtest/gtest.h>

#include "input_test_rig.h"

namespace kz::testing {
namespace {

class GestureTest : public ::testing::Test {
protected:
    // Alt Gr + key, Alt Gr let go: the popup waits for a choice.
    void openAndRelease(int key) {
        rig.sim.press(vk::kRMenu);
        rig.sim.tap(key);
        rig.sim.release(vk::kRMenu);
        ASSERT_TRUE(rig.popup.shown());
        rig.sim.clearLogs();
    }
    bool sentSixteenReleasesBeforeTheCharacter() const {
        const auto& sent = rig.sim.sent();
        if (sent.size() != 17) return false;
        for (int i = 0; i < 16; ++i) {
            if (sent[i].kind != sim::SentInput::Kind::KeybdEvent) return false;
        }
        return sent[16].kind == sim::SentInput::Kind::SendInput;
    }
    InputRig rig;
};

TEST_F(GestureTest, ANumberTypesItsCandidateAfterTheTriggerIsLetGo) {
    openAndRelease('E');
    rig.sim.tap('2');
    EXPECT_EQ(rig.typed(), u"\u00E8");
    EXPECT_FALSE(rig.popup.shown());
    EXPECT_FALSE(rig.sim.mouseHookInstalled());
    EXPECT_TRUE(sentSixteenReleasesBeforeTheCharacter());
    EXPECT_EQ(rig.sim.keyDownsReceived('2'), 0);
}

TEST_F(GestureTest, NumbersOutsideTheListOrWhileTheTriggerIsHeldDoNothing) {
    openAndRelease('E');
    rig.sim.tap('0');  // no tenth candidate
    rig.sim.tap('9');
    EXPECT_TRUE(rig.popup.shown());
    EXPECT_EQ(rig.typed(), u"");

    InputRig held;
    held.sim.press(vk::kRMenu);
    held.sim.tap('E');
    held.sim.tap('2');
    EXPECT_TRUE(held.popup.shown());
    EXPECT_EQ(held.popup.selected(), kNothingSelected);
    EXPECT_EQ(held.sim.keyDownsReceived('2'), 0);
}

TEST_F(GestureTest, NumbersDoNothingWhenTheyAreNotShown) {
    rig.settings.showNumbers = false;
    openAndRelease('E');
    rig.sim.tap('2');
    EXPECT_TRUE(rig.popup.shown());
    EXPECT_EQ(rig.typed(), u"");
}

TEST_F(GestureTest, ArrowsMoveAndEnterTypes) {
    openAndRelease('E');  // the release selected the first candidate
    rig.sim.tap(vk::kDown);
    rig.sim.tap(vk::kDown);
    rig.sim.tap(vk::kDown);
    rig.sim.tap(vk::kUp);
    EXPECT_EQ(rig.popup.selected(), 2);
    rig.sim.tap(vk::kReturn);
    EXPECT_EQ(rig.typed(), u"\u00EA");
    EXPECT_EQ(rig.sim.keyDownsReceived(vk::kReturn), 0);
}

TEST_F(GestureTest, TappingTheKeyAgainStepsAndWrapsAndTheReleaseInserts) {
    rig.sim.press(vk::kRMenu);
    rig.sim.tap('E');
    std::vector<int> selections;
    for (int i = 0; i < 5; ++i) {
        rig.sim.tap('E');
        selections.push_back(rig.popup.selected());
    }
    EXPECT_EQ(selections, (std::vector<int>{0, 1, 2, 3, 0}));
    EXPECT_TRUE(rig.popup.insertOnRelease());
    rig.sim.tap('E');
    rig.sim.release(vk::kRMenu);
    EXPECT_EQ(rig.typed(), u"\u00E8");
    EXPECT_FALSE(rig.popup.shown());
}

TEST_F(GestureTest, TheOpeningKeysAutoRepeatIsDropped) {
    rig.sim.press(vk::kRMenu);
    rig.sim.press('E');
    rig.sim.press('E');  // auto-repeat
    rig.sim.press('E');
    EXPECT_EQ(rig.popup.selected(), kNothingSelected);
    rig.sim.release('E');
    rig.sim.press('E');  // a new press reaches the popup once
    EXPECT_EQ(rig.popup.selected(), 0);
}

TEST_F(GestureTest, AnotherKeyWithCharactersReopensThePopupForIt) {
    rig.sim.press(vk::kRMenu);
    rig.sim.tap('E');
    rig.sim.tap('C');
    EXPECT_EQ(rig.popup.keyCode(), 'C');
    EXPECT_EQ(rig.popup.keyChars(), (CandidateList{kCCedil, kCAcute}));
    EXPECT_EQ(rig.popup.selected(), kNothingSelected);
}

TEST_F(GestureTest, AccentSymbolsPickByTheCandidatesNames) {
    openAndRelease('C');
    rig.sim.tap(222);  // ' : only the cedilla on C
    EXPECT_EQ(rig.typed(), u"\u00E7");

    openAndRelease('E');
    rig.sim.tap(222);
    EXPECT_EQ(rig.typed(), u"\u00E9");

    openAndRelease('E');
    rig.sim.press(vk::kLShift);
    rig.sim.tap('6');  // ^
    rig.sim.release(vk::kLShift);
    EXPECT_EQ(rig.typed(), u"\u00EA");

    openAndRelease('D');
    rig.sim.tap(189);  // - : no macron, so the stroke
    EXPECT_EQ(rig.typed(), u"\u0111");

    openAndRelease('D');
    rig.sim.tap(192);  // ` : no grave on D
    EXPECT_TRUE(rig.popup.shown());
    EXPECT_EQ(rig.typed(), u"");
}

TEST_F(GestureTest, ShiftOrCapsLockChoosesUpperCaseAndBothTogetherLower) {
    const auto typedWith = [](bool shift, bool caps) {
        InputRig r;
        r.sim.setCapsLock(caps);
        if (shift) r.sim.press(vk::kLShift);
        r.sim.press(vk::kRMenu);
        r.sim.tap('E');
        r.sim.release(vk::kRMenu);
        if (shift) r.sim.release(vk::kLShift);
        const int caseSel = r.popup.caseSel();
        r.sim.tap(vk::kReturn);
        return std::make_pair(caseSel, r.typed());
    };
    EXPECT_EQ(typedWith(false, false), std::make_pair(0, std::u16string(u"\u00E9")));
    EXPECT_EQ(typedWith(true, false), std::make_pair(1, std::u16string(u"\u00C9")));
    EXPECT_EQ(typedWith(false, true), std::make_pair(1, std::u16string(u"\u00C9")));
    EXPECT_EQ(typedWith(true, true), std::make_pair(0, std::u16string(u"\u00E9")));
}

TEST_F(GestureTest, LeftAndRightChooseTheCaseAndACharacterWithoutUpperCaseStaysItself) {
    openAndRelease('S');  // sharp s alone (no automatic insert: the setting is off)
    rig.sim.tap(vk::kRight);
    EXPECT_EQ(rig.popup.caseSel(), 1);
    rig.sim.tap(vk::kReturn);
    EXPECT_EQ(rig.typed(), u"\u00DF");

    openAndRelease('E');
    rig.sim.tap(vk::kRight);
    rig.sim.tap(vk::kLeft);
    rig.sim.tap(vk::kReturn);
    EXPECT_EQ(rig.typed(), u"\u00E9");
}

TEST_F(GestureTest, EscapeAndBackspaceCloseWithoutTyping) {
    for (int key : {vk::kEscape, vk::kBack}) {
        openAndRelease('E');
        rig.sim.tap(key);
        EXPECT_FALSE(rig.popup.shown());
        EXPECT_EQ(rig.typed(), u"");
        EXPECT_EQ(rig.keyEventsSent().size(), 16u) << "the trigger keys are released";
        EXPECT_EQ(rig.sim.keyDownsReceived(key), 0);
    }
}

TEST_F(GestureTest, EnterWithNothingSelectedClosesAndTypesNothing) {
    rig.sim.press(vk::kRMenu);
    rig.sim.tap('E');
    rig.sim.tap(vk::kReturn);
    EXPECT_FALSE(rig.popup.shown());
    EXPECT_EQ(rig.typed(), u"");
}

TEST_F(GestureTest, PrintScreenFunctionKeysAndModifiersPassWhileThePopupIsShown) {
    openAndRelease('E');
    for (int key : {vk::kSnapshot, vk::kF1 + 4, vk::kLShift}) rig.sim.tap(key);
    rig.sim.tap('Q');
    EXPECT_EQ(rig.sim.keyDownsReceived(vk::kSnapshot), 1);
    EXPECT_EQ(rig.sim.keyDownsReceived(vk::kF1 + 4), 1);
    EXPECT_EQ(rig.sim.keyDownsReceived(vk::kLShift), 1);
    EXPECT_EQ(rig.sim.keyDownsReceived('Q'), 0);
    EXPECT_TRUE(rig.popup.shown());
}

TEST_F(GestureTest, ALoneCandidateIsInsertedAtOnceAndTheTriggerPressedAgain) {
    rig.settings.autoInsert = true;
    rig.sim.press(vk::kRMenu);
    rig.sim.tap('Y');
    EXPECT_EQ(rig.typed(), u"\u00FF");
    EXPECT_EQ(rig.view.shows, 0) << "the popup never shows";
    EXPECT_FALSE(rig.popup.shown());
    EXPECT_TRUE(rig.sim.asyncKeyDown(vk::kRMenu)) << "the held Alt Gr is down again";
    rig.sim.tap('E');  // still held: the next key opens its popup
    EXPECT_TRUE(rig.popup.shown());
}

TEST_F(GestureTest, TheAutomaticInsertWaitsForAltGrOrCtrlAltTriggers) {
    rig.settings.autoInsert = true;
    rig.settings.trigger = 4;
    rig.sim.press(vk::kF12);
    rig.sim.tap('Y');
    EXPECT_TRUE(rig.popup.shown());
    EXPECT_EQ(rig.typed(), u"");
}

TEST_F(GestureTest, FunctionKeyTriggersTypeTheChoiceAlthoughTheKeyStillCountsAsHeld) {
    rig.settings.trigger = 4;
    rig.sim.press(vk::kF12);
    rig.sim.tap('E');
    rig.sim.tap('E');
    rig.sim.release(vk::kF12);  // inserts at once, well within half a second
    EXPECT_EQ(rig.typed(), u"\u00E9");

    rig.sim.press(vk::kF12);
    rig.sim.tap('E');
    rig.sim.release(vk::kF12);
    rig.advance(200);
    rig.sim.tap('2');  // the trigger still counts as held: numbers wait
    EXPECT_EQ(rig.typed(), u"\u00E9");
    rig.advance(400);
    rig.sim.tap('2');
    EXPECT_EQ(rig.typed(), u"\u00E9\u00E8");
}

TEST_F(GestureTest, TriggerAndSpaceOpenTheAllCharactersScreenAgainAndAgain) {
    rig.sim.press(vk::kRMenu);
    rig.sim.tap(vk::kSpace);
    ASSERT_TRUE(rig.popup.shown());
    EXPECT_EQ(rig.popup.mode(), 2);
    EXPECT_EQ(rig.popup.width(), 4335);
    EXPECT_EQ(rig.popup.focusList(), 2);
    EXPECT_TRUE(rig.gesture.triggerReleased);
    const int topmosts = rig.view.topmosts;
    rig.sim.tap(vk::kSpace);
    EXPECT_EQ(rig.view.topmosts, topmosts + 1) << "opened again";
    EXPECT_EQ(rig.sim.keyDownsReceived(vk::kSpace), 0);
}

TEST_F(GestureTest, ThePopupIsCentredAndShownWithoutMoreThanOnePlacementPerOpening) {
    rig.sim.press(vk::kRMenu);
    rig.sim.tap('E');
    EXPECT_EQ(rig.view.shows, 1);
    EXPECT_EQ(rig.view.bounds.leftTwips, 6592);
    EXPECT_EQ(rig.view.bounds.topTwips, 2992);
    EXPECT_EQ(rig.view.bounds.widthTwips, 2175);
    EXPECT_EQ(rig.view.bounds.heightTwips, 5535);
    EXPECT_EQ(rig.serviceStarts(), 1u);
}

// The program as zavora.exe runs it, from its start-up on the shipped data files: the
// hook is in, Alt Gr + E opens the popup, 2 types its second candidate.
TEST(WholeProgramTest, StartUpThenAGestureTypesACharacter) {
    sim::SimWorld world;
    world.setApplicationFolder(ZAVORA_DATA_DIR);
    sim::SimProcess process(world, 1, "");
    sim::Windows1252CodePage codePage;
    SettingsStore store(world.registry());
    sim::SimProgramWindows windows;
    app::Program program(SimProgramLinks(process, store, codePage, windows));
    program.start();
    ASSERT_FALSE(process.ended());
    EXPECT_NE(windows.trayActions, nullptr);
    ASSERT_TRUE(world.input().keyboardHookInstalled());

    const auto launches = world.launchLog().size();
    world.input().press(vk::kRMenu);
    world.input().tap('E');
    world.input().release(vk::kRMenu);
    const PopupList& popup = program.popup()->popup();
    ASSERT_TRUE(popup.shown());
    // The service check the popup asks for starts no process inside the hook's callback.
    EXPECT_EQ(world.launchLog().size(), launches);
    process.processPendingMessages();
    EXPECT_EQ(world.launchLog().size(), launches + 1);
    ASSERT_GE(popup.count(), 2);
    const char16_t second = popup.keyChars()[1];
    world.input().tap('2');
    EXPECT_EQ(world.input().typedText(), std::u16string(1, second));
    EXPECT_FALSE(popup.shown());
    EXPECT_FALSE(world.input().mouseHookInstalled());

    // Opening the screen lets messages run, which hands the hook the keys typed meanwhile
    // before the space is answered: the space must still be swallowed.
    world.input().burst({{vk::kRMenu, false}, {vk::kSpace, false}, {vk::kSpace, true}, {vk::kRMenu, true}});
    EXPECT_TRUE(popup.shown() && popup.mode() == 2);
    EXPECT_EQ(world.input().keyDownsReceived(vk::kSpace), 0);

    // A hook the system dropped sees nothing until the program, told of a resume or an
    // unlock, puts it in again.
    world.input().systemRemovesKeyboardHook();
    for (const bool resumed : {false, true}) {
        if (resumed) program.instance().onSystemResumed();
        world.input().press(vk::kRMenu);
        world.input().tap('E');
        world.input().release(vk::kRMenu);
        EXPECT_EQ(popup.shown(), resumed);
    }
}

}  // namespace
}  // namespace kz::testing
