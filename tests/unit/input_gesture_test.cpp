// Whole gestures on the simulated desktop, from the trigger to the character that the
// application receives: numbers, arrows, Enter, the repeated key, accent symbols, case,
// Escape and Backspace, the automatic insert, the all-characters screen's entry, the menu
// mask that keeps the application out of its menu bar, and the reports to the tutorial
// window while it is open.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/names.h"
#include "charset_test_folder.h"
#include "input_test_rig.h"
#include "keys/menu_mask.h"

namespace kz::testing {
namespace {

// After Alt Gr + key and its release, the user taps `taps` (with Shift held if `shift`).
// A closing popup releases the trigger keys before it types.
TEST(GestureTest, KeysInTheOpenPopupChooseTypeOrClose) {
    struct Case { int key; std::vector<int> taps; bool shift; std::u16string typed; bool shown; };
    const Case cases[] = {
        {'E', {'2'}, false, u"\u00E8", false},  {'E', {vk::kEscape}, false, u"", false},
        {'E', {vk::kBack}, false, u"", false},   {'E', {'0', '9'}, false, u"", true},  // no tenth or ninth candidate
        {'E', {vk::kDown, vk::kDown, vk::kDown, vk::kUp, vk::kReturn}, false, u"\u00EA", false},
        {'C', {222}, false, u"\u00E7", false},  // ' : only the cedilla on C
        {'E', {222}, false, u"\u00E9", false},  {'E', {'6'}, true, u"\u00EA", false},  // ^
        {'D', {189}, false, u"\u0111", false},  // - : no macron, so the stroke
        {'D', {192}, false, u"", true},         // ` : no grave on D
        {'S', {vk::kRight, vk::kReturn}, false, u"\u00DF", false},  // no upper case: itself
        {'E', {vk::kRight, vk::kLeft, vk::kReturn}, false, u"\u00E9", false},
        {'E', {vk::kRight, vk::kReturn}, false, u"\u00C9", false},
        {'E', {vk::kSnapshot, vk::kF1 + 4, 'Q'}, false, u"", true},
    };
    for (const Case& c : cases) {
        InputRig rig;
        rig.altGrTap(c.key);
        ASSERT_TRUE(rig.popup.shown());
        rig.sim.clearLogs();
        if (c.shift) rig.sim.press(vk::kLShift);
        for (int key : c.taps) rig.sim.tap(key);
        if (c.shift) rig.sim.release(vk::kLShift);
        const std::string trace = std::to_string(c.key) + " then " + std::to_string(c.taps.back());
        EXPECT_EQ(rig.typed(), c.typed) << trace;
        EXPECT_EQ(rig.popup.shown(), c.shown) << trace;
        EXPECT_EQ(rig.sim.mouseHookInstalled(), c.shown) << trace;
        // What the popup took never reaches the application; print screen, function keys
        // and modifiers always do.
        for (int key : c.taps) {
            const bool passes = key == vk::kSnapshot || key == vk::kF1 + 4;
            EXPECT_EQ(rig.sim.keyDownsReceived(key), passes ? 1 : 0) << trace << " key " << key;
        }
        if (!c.shown) {
            EXPECT_EQ(rig.keyEventsSent().size(), 16u) << trace << ": the trigger keys are released";
            EXPECT_EQ(rig.sim.sent().size(), c.typed.empty() ? 16u : 17u) << trace;
            EXPECT_EQ(rig.sim.sent().back().kind == sim::SentInput::Kind::SendInput, !c.typed.empty()) << trace;
        }
    }
}

TEST(GestureTest, ShiftOrCapsLockChoosesUpperCaseAndBothTogetherLower) {
    const std::tuple<bool, bool, bool> cases[] = {
        {false, false, false}, {true, false, true}, {false, true, true}, {true, true, false}};
    for (const auto& [shift, caps, upper] : cases) {
        InputRig r;
        r.sim.setCapsLock(caps);
        if (shift) r.sim.press(vk::kLShift);
        r.altGrTap('E');
        if (shift) r.sim.release(vk::kLShift);
        EXPECT_EQ(r.popup.caseSel(), upper ? 1 : 0);
        r.sim.tap(vk::kReturn);
        EXPECT_EQ(r.typed(), upper ? u"\u00C9" : u"\u00E9") << shift << caps;
    }
    // A Shift pressed while a function-key trigger counts as held reaches the system too.
    InputRig f12;
    f12.settings.trigger = 4;
    f12.sim.press(vk::kF12);
    f12.withHeld(vk::kLShift, 'E');
    EXPECT_EQ(f12.popup.caseSel(), 1);
}

TEST(GestureTest, TappingTheKeyAgainStepsAndWrapsAndTheReleaseInserts) {
    InputRig rig;
    rig.withHeld(vk::kRMenu, 'E');
    EXPECT_EQ(rig.view.shows, 1);  // shown once per opening, and the service is asked for
    EXPECT_EQ(rig.world.launchLog().size(), 1u);
    std::vector<int> selections;
    for (int i = 0; i < 6; ++i) {
        rig.sim.tap('E');
        selections.push_back(rig.popup.selected());
    }
    EXPECT_EQ(selections, (std::vector<int>{0, 1, 2, 3, 0, 1}));
    EXPECT_TRUE(rig.popup.insertOnRelease());
    rig.sim.release(vk::kRMenu);
    EXPECT_EQ(rig.typed(), u"\u00E8");
    EXPECT_FALSE(rig.popup.shown());
}

// Layouts that type the accent symbols with dead keys, or the digits with Shift: while the
// popup is shown its keys come first, so the symbol picks its candidate, and neither the
// symbol nor an accent waiting for the next key reaches the application.
TEST(DeadKeyLayoutTest, AccentSymbolsAndNumbersPickOnEachLayout) {
    struct Case { const sim::SimLayout& layout; int letter, key; bool shift; char16_t typed; };
    const sim::SimLayout& us = sim::UsInternationalLayout();
    const Case cases[] = {
        {us, 'E', 222, false, kEAcute}, {us, 'E', 222, true, kEDiaer},  // dead ' and "
        {us, 'E', 192, false, kEGrave}, {us, 'E', '6', true, kECirc},   // dead ` and ^
        {sim::GermanLayout(), 'E', 220, false, kECirc},  {sim::GermanLayout(), 'E', 221, true, kEGrave},
        {sim::GermanLayout(), 'E', '2', true, kEDiaer},  {sim::GermanLayout(), 'D', 189, false, kDStroke},
        {sim::GermanLayout(), 'E', 221, false, kEAcute}, {sim::FrenchLayout(), 'E', 221, true, kEDiaer},  // ´ and ¨
        {sim::FrenchLayout(), 'E', 221, false, kECirc},  {sim::FrenchLayout(), 'E', '4', false, kEAcute},
        {sim::FrenchLayout(), 'E', '2', true, kEGrave},  // the digit needs Shift
        {sim::FrenchLayout(), 'D', '6', false, kDStroke},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout.name + " key " + std::to_string(c.key) + (c.shift ? " with Shift" : ""));
        InputRig rig(c.layout);
        rig.altGrTap(c.letter);
        ASSERT_TRUE(rig.popup.shown());
        if (c.shift) rig.sim.press(vk::kLShift);
        rig.sim.tap(c.key);
        if (c.shift) rig.sim.release(vk::kLShift);
        EXPECT_EQ(rig.sim.keyDownsReceived(c.key), 0);
        rig.sim.tap('Q');
        EXPECT_EQ(rig.typed(), std::u16string(1, c.typed) + u"q");
    }
}

// Help is a window of its own: it opens from the message loop, after the hook answered.
// Where Ctrl + F1 is the trigger F1 opens no help, unless the tutorial is open.
TEST(GestureTest, F1OpensHelpFromTheMessageLoop) {
    const std::tuple<int, bool, bool> cases[] = {{0, false, true}, {5, false, false}, {5, true, true}};
    for (const auto& [trigger, tutorialOpen, opens] : cases) {
        InputRig rig;
        FakeTutorial tutorial;
        if (tutorialOpen) rig.tutorial.set(&tutorial);
        rig.withHeld(vk::kRMenu, 'E');
        rig.settings.trigger = static_cast<std::int16_t>(trigger);
        rig.sim.tap(vk::kF1);
        EXPECT_TRUE(rig.windows.helpTopics.empty());
        rig.process.processPendingMessages();
        EXPECT_EQ(rig.windows.helpTopics.size(), opens ? 1u : 0u) << trigger << tutorialOpen;
        EXPECT_TRUE(rig.popup.shown());
    }
}

TEST(GestureTest, ALoneCandidateIsInsertedAtOnceAndTheTriggerPressedAgain) {
    InputRig rig;
    rig.settings.autoInsert = true;
    rig.withHeld(vk::kRMenu, 'Y');
    EXPECT_EQ(rig.typed(), u"\u00FF");
    EXPECT_EQ(rig.view.shows, 0) << "the popup never shows";
    EXPECT_TRUE(rig.sim.asyncKeyDown(vk::kRMenu)) << "the held Alt Gr is down again";
    rig.sim.tap('E');  // still held: the next key opens its popup
    EXPECT_TRUE(rig.popup.shown());

    // Each held key goes down again on its own side: the extended flag marks the right one.
    InputRig ctrlAlt;
    ctrlAlt.settings.autoInsert = true;
    ctrlAlt.settings.trigger = 1;
    ctrlAlt.sim.press(vk::kRControl);
    ctrlAlt.withHeld(vk::kLMenu, 'Y');
    EXPECT_EQ(ctrlAlt.typed(), u"\u00FF");
    EXPECT_TRUE(ctrlAlt.sim.asyncKeyDown(vk::kRControl) && ctrlAlt.sim.asyncKeyDown(vk::kLMenu));
    EXPECT_FALSE(ctrlAlt.sim.asyncKeyDown(vk::kLControl));

    InputRig f12;  // only Alt Gr and Ctrl + Alt insert at once
    f12.settings.autoInsert = true;
    f12.settings.trigger = 4;
    f12.withHeld(vk::kF12, 'Y');
    EXPECT_TRUE(f12.popup.shown());
    EXPECT_EQ(f12.typed(), u"");
}

TEST(GestureTest, TriggerAndSpaceOpenTheAllCharactersScreenAgainAndAgain) {
    InputRig rig;
    rig.withHeld(vk::kRMenu, vk::kSpace);
    ASSERT_TRUE(rig.popup.shown());
    EXPECT_TRUE(rig.gesture.triggerReleased);
    const int topmosts = rig.view.topmosts;
    rig.sim.tap(vk::kSpace);
    EXPECT_EQ(rig.view.topmosts, topmosts + 1) << "opened again";
    EXPECT_EQ(rig.sim.keyDownsReceived(vk::kSpace), 0);
}

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

// The program as zavora.exe runs it, from its start-up on the shipped data files: the
// hook is in, Alt Gr + E opens the popup, 2 types its second candidate.
TEST(WholeProgramTest, StartUpThenAGestureTypesACharacter) {
    DataFolder folder;
    for (const char* name : {"characters.dat", "data.dat", "groups.dat", "order.dat"}) {
        std::filesystem::copy_file(std::string(ZAVORA_DATA_DIR) + name, folder.path() / name);
    }
    sim::SimWorld world;
    world.setApplicationFolder(folder.path().string() + "/");
    sim::SimProcess process(world, 1, "");
    sim::Windows1252CodePage codePage;
    SettingsStore store(world.registry());
    sim::SimProgramWindows windows;
    app::Program program(SimProgramLinks(process, store, codePage, windows));
    program.start();
    ASSERT_FALSE(process.ended());
    EXPECT_NE(windows.trayActions, nullptr);
    ASSERT_TRUE(world.input().keyboardHookInstalled());
    EXPECT_EQ(windows.optionsBuilds, 0) << "the Options dialog is built when first opened";

    const auto launches = world.launchLog().size();
    const auto gesture = [&world](int key) {
        world.input().press(vk::kRMenu);
        world.input().tap(key);
        world.input().release(vk::kRMenu);
    };
    gesture('E');
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
    EXPECT_FALSE(world.input().mouseHookInstalled());

    // The screen opens inside the hook's callback, so it shows what was read beforehand;
    // what the next message pass reads is what the next opening shows.
    std::filesystem::remove(folder.path() / "groups.dat");
    const AllCharacters& screen = program.popup()->screen();
    for (const bool readAgain : {false, true}) {
        world.input().burst({{vk::kRMenu, false}, {vk::kSpace, false}, {vk::kSpace, true}, {vk::kRMenu, true}});
        EXPECT_TRUE(popup.shown() && popup.mode() == 2);
        EXPECT_EQ(world.input().keyDownsReceived(vk::kSpace), 0);
        EXPECT_EQ(screen.groupNames().empty(), readAgain);
        process.processPendingMessages();
        world.input().tap(vk::kEscape);
    }

    // A hook the system dropped sees nothing until the program puts it in again: told of a
    // resume or an unlock, or at its check every minute.
    const auto minuteCheck = [&] {
        world.clock().advance(app::kHookRefreshMs);
        process.processPendingMessages();
    };
    const std::function<void()> revivals[] = {[] {}, [&] { program.instance().onSystemResumed(); }, minuteCheck};
    for (std::size_t i = 0; i < std::size(revivals); ++i) {
        SCOPED_TRACE(i);
        world.input().systemRemovesKeyboardHook();
        revivals[i]();
        gesture('E');
        EXPECT_EQ(popup.shown(), i > 0);
        world.input().tap(vk::kEscape);
    }

    program.openOptions();
    program.openOptions();
    EXPECT_EQ(windows.optionsBuilds, 1);
}

}  // namespace
}  // namespace kz::testing
