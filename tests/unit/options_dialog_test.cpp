// The Options dialog: opening and closing with the hooks, loading the controls, the
// "Yes" rule, the trigger rule, Apply/OK/Cancel and the order in which saving writes.
#include "options/options_texts.h"
#include "options_fixture.h"

namespace kz::options_test {
namespace {

using options::CheckBox;
using options::CheckLabel;
using options::OptionsTab;
using ::testing::ElementsAre;

constexpr const char* kAutoStartKey = "HKCU\\Software\\Kelvra\\Zavora\\AutoStart";
constexpr const char* kLanguagesKey = "HKCU\\Software\\Kelvra\\Zavora\\Languages";
constexpr const char* kTriggerKey = "HKCU\\Software\\Kelvra\\Zavora\\Trigger";
constexpr const char* kDisableKeysKey = "HKLM\\Software\\Kelvra\\Zavora\\DisableKeys";

class OptionsLifecycle : public OptionsTest {
protected:
    void SetUp() override { input.installKeyboardHook(keySink); }
};

TEST_F(OptionsLifecycle, OpeningRemovesBothHooksAndSetsTheFlag) {
    struct NoMouse final : platform::MouseEventSink {
        bool onMouseEvent(const platform::MouseEvent&) noexcept override { return false; }
    } mouseSink;
    input.installMouseHook(mouseSink);

    dialog().menu_options_Click();
    EXPECT_TRUE(host.optionsOpen);
    EXPECT_TRUE(dialog().isOpen());
    EXPECT_FALSE(input.keyboardHookInstalled());
    EXPECT_FALSE(input.mouseHookInstalled());
    EXPECT_THAT(host.calls, ElementsAre("savePopupState"));
    EXPECT_THAT(view.calls, ElementsAre("show"));
    EXPECT_EQ(dialog().selectedTab(), OptionsTab::General);
    EXPECT_FALSE(dialog().applyEnabled()) << "loading the controls does not count as an edit";
}

TEST_F(OptionsLifecycle, ApplyWritesAndKeepsTheDialogOpen) {
    dialog().menu_options_Click();
    dialog().cmd_Click(options::kApplyButton);
    EXPECT_EQ(stored(Scope::PerUser, "Zavora", "AutoStart"), "<missing>")
        << "a disabled Apply writes nothing";
    dialog().Combo1_Click(3);
    dialog().cmd_Click(options::kApplyButton);
    EXPECT_EQ(stored(Scope::PerUser, "Zavora", "Trigger"), "3");
    EXPECT_FALSE(dialog().applyEnabled());
    EXPECT_TRUE(dialog().isOpen());
    EXPECT_FALSE(input.keyboardHookInstalled());
    // Cancel afterwards keeps what Apply wrote.
    dialog().Combo1_Click(4);
    dialog().cmd_Click(options::kCancelButton);
    EXPECT_EQ(stored(Scope::PerUser, "Zavora", "Trigger"), "3");
    EXPECT_EQ(running.trigger, 3);
}

TEST_F(OptionsLifecycle, OpeningAgainReloadsEveryControlAndLosesEdits) {
    dialog().menu_options_Click();
    dialog().TabStrip1_Click(OptionsTab::Advanced);
    dialog().Text5_Change("xyz");
    dialog().Combo1_Click(7);
    page().rowChecked(0, false);
    dialog().menu_options_Click();
    EXPECT_EQ(dialog().selectedTab(), OptionsTab::General);
    EXPECT_EQ(dialog().disableKeysText(), "");
    EXPECT_EQ(dialog().triggerIndex(), 0);
    EXPECT_TRUE(page().rows()[0].checked);
    EXPECT_FALSE(dialog().applyEnabled());
}

class OptionsControls : public OptionsTest {};

// Each box shows its default on a fresh store, is checked exactly when its text is "Yes"
// (case-sensitive), and saves "Yes" or "No" with its running flag to match.
TEST_F(OptionsControls, ABoxIsCheckedExactlyForYesAndSavesAsYesOrNo) {
    struct Case {
        CheckBox box; Scope scope; const char* section; const char* name;
        bool byDefault; const char* text; bool checked; bool RunningSettings::*flag;
    };
    const Case cases[] = {
        {CheckBox::Check1, Scope::PerUser, "Zavora", "AutoStart", true, "yes", false, nullptr},
        {CheckBox::Check2, Scope::MachineWide, "Zavora", "DisableOtherKeys", false, "Yes", true,
         &RunningSettings::disableOtherKeys},
        {CheckBox::Check3, Scope::PerUser, "Zavora", "ShowNumbers", true, "YES", false,
         &RunningSettings::showNumbers},
        {CheckBox::Check4, Scope::PerUser, "Zavora\\AllCharactersScreen", "RememberState", true,
         " Yes", false, &RunningSettings::rememberState},
        {CheckBox::Check5, Scope::PerUser, "Zavora", "AutoInsert", false, "Yes", true,
         &RunningSettings::autoInsert},
        {CheckBox::Check6, Scope::PerUser, "Zavora", "DisplayUnicodeSymbol", false, "1", false,
         &RunningSettings::displayUnicodeSymbol},
    };
    dialog().menu_options_Click();
    for (const Case& c : cases) EXPECT_EQ(dialog().checked(c.box), c.byDefault) << c.name;
    EXPECT_EQ(dialog().triggerIndex(), 0);
    EXPECT_EQ(dialog().disableKeysText(), "");
    EXPECT_TRUE(dialog().enabled(CheckBox::Check5));

    for (const Case& c : cases) store.write(c.scope, c.section, c.name, c.text);
    for (const Case& c : cases) {
        if (c.flag != nullptr) running.*c.flag = !c.checked;
    }
    dialog().menu_options_Click();
    for (const Case& c : cases) EXPECT_EQ(dialog().checked(c.box), c.checked) << c.name;
    dialog().cmd_Click(options::kOkButton);
    for (const Case& c : cases) {
        EXPECT_EQ(stored(c.scope, c.section, c.name), c.checked ? "Yes" : "No") << c.name;
        if (c.flag != nullptr) {
            EXPECT_EQ(running.*c.flag, c.checked) << c.name;
        }
    }
}

TEST_F(OptionsControls, AStoredTriggerThatIsNoEntryShowsTheFirstEntry) {
    const std::pair<const char*, int> cases[] = {
        {"3abc", 3}, {"abc", 0}, {"17", 0}, {"-1", 0}, {"16", 16}, {"99999999", 0}, {"2.5", 2}};
    for (const auto& [text, index] : cases) {
        store.write(Scope::PerUser, "Zavora", "Trigger", text);
        dialog().menu_options_Click();
        EXPECT_EQ(dialog().triggerIndex(), index) << text;
    }
}

TEST_F(OptionsControls, EveryEditEnablesApply) {
    dialog().menu_options_Click();
    const std::function<void()> edits[] = {
        [&] { dialog().Check_Click(CheckBox::Check3, false); },
        [&] { dialog().Label_Click(CheckLabel::Label16); },
        [&] { dialog().Combo1_Click(0); },
        [&] { dialog().Text5_Change("q"); },
        [&] { page().rowChecked(1, false); },
    };
    for (const auto& edit : edits) {
        dialog().menu_options_Click();
        ASSERT_FALSE(dialog().applyEnabled());
        edit();
        EXPECT_TRUE(dialog().applyEnabled());
    }
}

TEST_F(OptionsControls, FunctionKeyTriggersGreyAutomaticInsertionWhichKeepsItsValue) {
    store.write(Scope::PerUser, "Zavora", "AutoInsert", "Yes");
    dialog().menu_options_Click();
    dialog().Combo1_Click(4);  // "F12"
    EXPECT_FALSE(dialog().enabled(CheckBox::Check5));
    dialog().Check_Click(CheckBox::Check5, false);
    dialog().Label_Click(CheckLabel::Label17);
    EXPECT_TRUE(dialog().checked(CheckBox::Check5));
    dialog().cmd_Click(options::kApplyButton);
    EXPECT_EQ(stored(Scope::PerUser, "Zavora", "AutoInsert"), "Yes") << "saved as shown";

    dialog().Combo1_Click(1);  // "Ctrl + Alt"
    EXPECT_TRUE(dialog().enabled(CheckBox::Check5));
    dialog().Label_Click(CheckLabel::Label17);
    EXPECT_FALSE(dialog().checked(CheckBox::Check5));

    for (int trigger = 0; trigger < 17; ++trigger) {
        dialog().Combo1_Click(trigger);
        EXPECT_EQ(dialog().enabled(CheckBox::Check5), trigger <= 1) << trigger;
    }

    store.write(Scope::PerUser, "Zavora", "Trigger", "9");  // the rule holds when loading too
    dialog().menu_options_Click();
    EXPECT_FALSE(dialog().enabled(CheckBox::Check5));
    EXPECT_FALSE(dialog().applyEnabled());
}

class OptionsSave : public OptionsTest {};

TEST_F(OptionsSave, WritesInOrderAndUpdatesTheRunningSettingsAlongTheWay) {
    dialog().menu_options_Click();
    running.trigger = 0;
    dialog().Combo1_Click(5);
    dialog().Text5_Change("[[13]]x");
    page().rowChecked(3, false);
    dialog().cmd_Click(options::kOkButton);

    // The key table is rebuilt right after the order is written, before anything else.
    ASSERT_TRUE(host.storeAtRebuild.has_value());
    EXPECT_EQ(host.storeAtRebuild->count(kLanguagesKey), 1u);
    EXPECT_EQ(host.storeAtRebuild->count(kAutoStartKey), 0u);
    // The function-key memory is cleared after the trigger is written, before DisableKeys.
    ASSERT_TRUE(host.storeAtClear.has_value());
    EXPECT_EQ(host.storeAtClear->at(kAutoStartKey), "Yes");
    EXPECT_EQ(host.storeAtClear->at(kTriggerKey), "5");
    EXPECT_EQ(host.storeAtClear->count(kDisableKeysKey), 0u);

    EXPECT_THAT(host.calls, ElementsAre("savePopupState", "rebuildKeyTable",
                                        "clearRecentFunctionKey", "closeOptions"));
    EXPECT_EQ(languages(), "French;German;!Spanish;!Czech");
    EXPECT_EQ(stored(Scope::MachineWide, "Zavora", "DisableKeys"), "[[13]]x");
    EXPECT_EQ(running.trigger, 5);
    EXPECT_EQ(running.disableKeys, "\rx");
}

// A standard user may not change the Advanced page's machine-wide settings. Saving
// without changing them says nothing; a refused change is reported, and the page and the
// running settings go back to what is stored while the per-user settings are saved.
TEST_F(OptionsSave, RefusedMachineWideSettingsAreReportedAndShownAsStored) {
    store.write(Scope::MachineWide, "Zavora", "DisableKeys", "q");
    registry.setWritable(Scope::MachineWide, false);
    struct Case { const char* keys; bool otherKeys; std::vector<std::string_view> refused; };
    const Case cases[] = {
        {"q", false, {}},
        {"xyz", false, {options::kDisableKeysName}},
        {"q", true, {options::kDisableOtherKeysName}},
        {"xyz", true, {options::kDisableKeysName, options::kDisableOtherKeysName}},
    };
    for (const auto& [keys, otherKeys, refused] : cases) {
        dialog().menu_options_Click();
        dialog().Text5_Change(keys);
        dialog().Check_Click(CheckBox::Check2, otherKeys);
        dialog().Combo1_Click(2);
        const std::size_t shown = boxes.shown().size();
        dialog().cmd_Click(options::kApplyButton);
        ASSERT_EQ(boxes.shown().size(), shown + (refused.empty() ? 0 : 1)) << keys;
        if (!refused.empty()) {
            EXPECT_EQ(boxes.shown().back().text, options::SettingsRefusedMessage(refused));
        }
        EXPECT_EQ(dialog().disableKeysText(), "q");
        EXPECT_FALSE(dialog().checked(CheckBox::Check2));
        EXPECT_EQ(running.disableKeys, "q");
        EXPECT_FALSE(running.disableOtherKeys);
        EXPECT_EQ(stored(Scope::PerUser, "Zavora", "Trigger"), "2");
        EXPECT_FALSE(dialog().applyEnabled());
    }
    EXPECT_NE(boxes.shown().front().text.find("\"Disable Zavora on these keys\" could not be changed"),
              std::string::npos);
}

TEST_F(OptionsSave, ALanguageListWithNoRowsWritesAnEmptyOrder) {
    std::filesystem::remove(files.path() / "data.dat");
    dialog().menu_options_Click();
    dialog().cmd_Click(options::kOkButton);
    EXPECT_EQ(languages(), "");
}

// Cancel and the close box, which is Cancel, close through the program's own close
// sequence, write nothing and change nothing running.
TEST_F(OptionsLifecycle, CancelAfterEditsWritesNothing) {
    for (const bool closeBox : {false, true}) {
        dialog().menu_options_Click();
        const StoredValues before = snapshot();
        dialog().Label_Click(CheckLabel::Label14);
        EXPECT_TRUE(dialog().checked(CheckBox::Check2));
        dialog().Combo1_Click(12);
        page().rowChecked(0, false);
        host.calls.clear();
        closeBox ? dialog().closeBoxClicked() : dialog().cmd_Click(options::kCancelButton);
        EXPECT_EQ(snapshot(), before);
        EXPECT_FALSE(dialog().isOpen());
        EXPECT_THAT(host.calls, ElementsAre("closeOptions"));
        EXPECT_FALSE(input.mouseHookInstalled()) << "the popup installs its own when it opens";
        EXPECT_EQ(running.trigger, 0);
        EXPECT_FALSE(running.disableOtherKeys);
    }
}

}  // namespace
}  // namespace kz::options_test
