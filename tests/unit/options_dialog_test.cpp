// The Options dialog: opening and closing with the hooks, loading the controls, the
// "Yes" rule, the trigger rule, Apply/OK/Cancel and the order in which saving writes.
#include "options/options_texts.h"
#include "options_fixture.h"

namespace kz::options_test {
namespace {

using options::CheckBox;
using options::CheckLabel;
using options::OptionsTab;

struct PassingSinks final : platform::KeyEventSink, platform::MouseEventSink {
    bool onKeyEvent(const platform::KeyEvent&) noexcept override { return false; }
    bool onMouseEvent(const platform::MouseEvent&) noexcept override { return false; }
};

// Opening removes both hooks and loads the controls, which is no edit. Apply writes and
// keeps the dialog open. Every edit enables Apply; Cancel and the close box, which is
// Cancel, close through the program's own close sequence, write nothing and change nothing
// running; opening again reloads every control and loses the edits.
TEST_F(OptionsTest, OpeningRemovesTheHooksApplyWritesAndCancelAndTheCloseBoxWriteNothing) {
    PassingSinks sinks;
    input.installKeyboardHook(sinks);
    input.installMouseHook(sinks);
    dialog().open();
    EXPECT_TRUE(program.optionsOpen);
    EXPECT_FALSE(input.keyboardHookInstalled());
    EXPECT_FALSE(input.mouseHookInstalled());
    EXPECT_THAT(program.calls, ElementsAre("savePopupState"));
    EXPECT_THAT(view.calls, ElementsAre("show"));
    EXPECT_FALSE(dialog().applyEnabled()) << "loading the controls does not count as an edit";

    dialog().pressButton(options::kApplyButton);
    EXPECT_EQ(stored(Scope::PerUser, "Zavora", "AutoStart"), "<missing>") << "a disabled Apply writes nothing";
    dialog().selectTrigger(3);
    dialog().pressButton(options::kApplyButton);
    EXPECT_EQ(stored(Scope::PerUser, "Zavora", "Trigger"), "3");
    EXPECT_FALSE(dialog().applyEnabled());
    EXPECT_TRUE(dialog().isOpen());
    const std::function<void()> edits[] = {
        [&] { dialog().labelClicked(CheckLabel::DisableOtherKeys); },
        [&] { dialog().boxClicked(CheckBox::ShowNumbers, false); },
        [&] { dialog().selectTrigger(12); },
        [&] { dialog().disableKeysChanged("q"); },
        [&] { page().rowChecked(1, false); },
    };
    for (std::size_t i = 0; i < std::size(edits); ++i) {
        dialog().open();
        const StoredValues before = snapshot();
        edits[i]();
        EXPECT_TRUE(dialog().applyEnabled()) << "edit " << i;
        program.calls.clear();
        i % 2 == 0 ? dialog().closeBoxClicked() : dialog().pressButton(options::kCancelButton);
        EXPECT_EQ(snapshot(), before) << "edit " << i;
        EXPECT_FALSE(dialog().isOpen());
        EXPECT_THAT(program.calls, ElementsAre("closeOptions"));
    }
    EXPECT_EQ(running.trigger, 3);
    EXPECT_FALSE(running.disableOtherKeys);
    dialog().selectTab(OptionsTab::Advanced);
    dialog().labelClicked(CheckLabel::RememberState);
    dialog().open();
    EXPECT_EQ(dialog().selectedTab(), OptionsTab::General);
    EXPECT_EQ(dialog().triggerIndex(), 3);
    EXPECT_TRUE(dialog().checked(CheckBox::RememberState));
    EXPECT_TRUE(page().rows()[1].checked);
}

// Each box is checked exactly when its text is "Yes" (case-sensitive), and saves "Yes" or
// "No" with its running flag to match.
TEST_F(OptionsTest, ABoxIsCheckedExactlyForYesAndSavesAsYesOrNo) {
    struct Case {
        CheckBox box; Scope scope; const char* section; const char* name; const char* text; bool checked;
        bool RunningSettings::*flag;
    };
    const Case cases[] = {
        {CheckBox::AutoStart, Scope::PerUser, "Zavora", "AutoStart", "yes", false, nullptr},
        {CheckBox::DisableOtherKeys, Scope::MachineWide, "Zavora", "DisableOtherKeys", "Yes", true,
         &RunningSettings::disableOtherKeys},
        {CheckBox::ShowNumbers, Scope::PerUser, "Zavora", "ShowNumbers", "Yes", true,
         &RunningSettings::showNumbers},
        {CheckBox::RememberState, Scope::PerUser, "Zavora\\AllCharactersScreen", "RememberState", " Yes", false,
         &RunningSettings::rememberState},
        {CheckBox::AutoInsert, Scope::PerUser, "Zavora", "AutoInsert", "YES", false,
         &RunningSettings::autoInsert},
        {CheckBox::DisplayUnicodeSymbol, Scope::PerUser, "Zavora", "DisplayUnicodeSymbol", "1", false,
         &RunningSettings::displayUnicodeSymbol},
    };
    for (const Case& c : cases) {
        store.write(c.scope, c.section, c.name, c.text);
        if (c.flag != nullptr) running.*c.flag = !c.checked;
    }
    dialog().open();
    for (const Case& c : cases) EXPECT_EQ(dialog().checked(c.box), c.checked) << c.name;
    dialog().pressButton(options::kOkButton);
    for (const Case& c : cases) {
        EXPECT_EQ(stored(c.scope, c.section, c.name), c.checked ? "Yes" : "No") << c.name;
        if (c.flag != nullptr) {
            EXPECT_EQ(running.*c.flag, c.checked) << c.name;
        }
    }
}

TEST_F(OptionsTest, AStoredTriggerThatIsNoEntryShowsTheFirstEntry) {
    const std::pair<const char*, int> cases[] = {
        {"3abc", 3}, {"-1", 0}, {"abc", 0}, {"17", 0}, {"16", 16}, {"99999999", 0}, {"2.5", 2}};
    for (const auto& [text, index] : cases) {
        store.write(Scope::PerUser, "Zavora", "Trigger", text);
        dialog().open();
        EXPECT_EQ(dialog().triggerIndex(), index) << text;
    }
}

// Only Alt Gr and Ctrl + Alt allow automatic insertion: a function-key trigger greys the
// box, which then ignores clicks and keeps and saves the value it shows.
TEST_F(OptionsTest, FunctionKeyTriggersGreyAutomaticInsertionWhichKeepsItsValue) {
    store.write(Scope::PerUser, "Zavora", "AutoInsert", "Yes");
    dialog().open();
    for (int trigger = 0; trigger < 17; ++trigger) {
        dialog().selectTrigger(trigger);
        EXPECT_EQ(dialog().enabled(CheckBox::AutoInsert), trigger <= 1) << trigger;
    }
    dialog().selectTrigger(4);
    dialog().boxClicked(CheckBox::AutoInsert, false);
    dialog().labelClicked(CheckLabel::AutoInsert);
    EXPECT_TRUE(dialog().checked(CheckBox::AutoInsert));
    dialog().pressButton(options::kApplyButton);
    EXPECT_EQ(stored(Scope::PerUser, "Zavora", "AutoInsert"), "Yes") << "saved as shown";
    dialog().selectTrigger(1);
    dialog().labelClicked(CheckLabel::AutoInsert);
    EXPECT_FALSE(dialog().checked(CheckBox::AutoInsert));
}

// The key table is rebuilt once the order is written, and the function-key memory is
// cleared once the trigger is; the running disabled keys have their key codes expanded.
TEST_F(OptionsTest, SavingRebuildsAndClearsAfterTheirSettingsAreWritten) {
    dialog().open();
    dialog().selectTrigger(5);
    dialog().disableKeysChanged("[[13]]x");
    page().rowChecked(3, false);
    dialog().pressButton(options::kOkButton);
    EXPECT_THAT(program.calls,
                ElementsAre("savePopupState", "rebuildKeyTable", "clearRecentFunctionKey", "closeOptions"));
    EXPECT_EQ(program.languagesAtRebuild, "French;German;!Spanish;!Czech");
    EXPECT_EQ(program.triggerAtClear, "5");
    EXPECT_EQ(stored(Scope::MachineWide, "Zavora", "DisableKeys"), "[[13]]x");
    EXPECT_EQ(running.disableKeys, "\rx");
}

// A standard user may not change the Advanced page's machine-wide settings. Saving
// without changing them says nothing; a refused change is reported, and the page and the
// running settings go back to what is stored while the per-user settings are saved.
TEST_F(OptionsTest, RefusedMachineWideSettingsAreReportedAndShownAsStored) {
    store.write(Scope::MachineWide, "Zavora", "DisableKeys", "q");
    registry.setWritable(Scope::MachineWide, false);
    struct Case { const char* keys; bool otherKeys; std::vector<std::string_view> refused; };
    const Case cases[] = {
        {"q", false, {}},
        {"xyz", true, {options::kDisableKeysName, options::kDisableOtherKeysName}},
    };
    for (const auto& [keys, otherKeys, refused] : cases) {
        dialog().open();
        dialog().disableKeysChanged(keys);
        dialog().boxClicked(CheckBox::DisableOtherKeys, otherKeys);
        dialog().selectTrigger(2);
        const std::size_t shown = boxes.shown().size();
        dialog().pressButton(options::kApplyButton);
        ASSERT_EQ(boxes.shown().size(), shown + (refused.empty() ? 0 : 1)) << keys;
        if (!refused.empty()) {
            EXPECT_EQ(boxes.shown().back().text, options::SettingsRefusedMessage(refused));
        }
        EXPECT_EQ(dialog().disableKeysText(), "q");
        EXPECT_FALSE(dialog().checked(CheckBox::DisableOtherKeys));
        EXPECT_EQ(running.disableKeys, "q");
        EXPECT_FALSE(running.disableOtherKeys);
        EXPECT_EQ(stored(Scope::PerUser, "Zavora", "Trigger"), "2");
        EXPECT_FALSE(dialog().applyEnabled());
    }
}

}  // namespace
}  // namespace kz::options_test
