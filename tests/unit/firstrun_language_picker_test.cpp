// The first-run language picker: what "Next >" writes, the installer's wizard hidden and
// shown again, and the hand-over of the choice to a user the installer did not run as.
#include "app_sim_harness.h"
#include "firstrun/language_picker.h"
#include "options_fixture.h"
#include "platform/sim/sim_other_windows.h"

namespace kz::options_test {
namespace {

using firstrun::LanguagePicker;
using options::MoveCommand;

constexpr platform::Rect kWizardRect{200, 150, 703, 540};

class LanguagePickerTest : public OptionsTest {
protected:
    firstrun::LanguagePickerLinks links() {
        return {.store = store, .dataFolder = {files.path(), codePage}, .messageBoxes = boxes,
                .windows = windows, .view = view};
    }
    LanguagePicker& picker() {
        if (!picker_) {
            picker_.emplace(links());
            picker_->loadList();
        }
        return *picker_;
    }
    bool wizardVisible(platform::WindowHandle wizard) { return world.window(wizard)->visible; }
    std::string handedOver() { return stored(Scope::MachineWide, "Zavora", "SetupLanguages"); }

    sim::SimWorld world;
    sim::SimOtherWindows windows{world};

private:
    std::optional<LanguagePicker> picker_;
};

// "Next >" writes the rows in order, the cleared ones marked, and hands them over; a
// ticked box selects its row alone for the next move.
TEST_F(LanguagePickerTest, NextWritesTheRowsInOrderWithTheClearedOnesMarked) {
    ASSERT_TRUE(picker().finish(0x77));
    EXPECT_EQ(languages(), "French;German;!Spanish;Czech");
    EXPECT_EQ(handedOver(), "French;German;!Spanish;Czech");
    picker().list().setRowSelected(3, true);
    picker().list().rowChecked(2, true);
    picker().list().pressMove(MoveCommand::Top);
    ASSERT_TRUE(picker().finish(0x77));
    EXPECT_EQ(languages(), "Spanish;French;German;Czech");
    EXPECT_EQ(handedOver(), "Spanish;French;German;Czech");
    EXPECT_TRUE(boxes.shown().empty());
}

// The picker covers the installer's wizard, found by its caption before the picker's own
// window bears the same one, and the wizard comes back when the picker closes, by "Next >"
// or by the close box, which writes nothing. Started by hand there is no wizard.
TEST_F(LanguagePickerTest, ThePickerCoversTheWizardWhichComesBackWhenItCloses) {
    const auto wizard = world.addForeignWindow("#32770", "Setup - Kelvra Zavora");
    world.window(wizard)->visible = true;
    world.window(wizard)->screenRect = kWizardRect;
    EXPECT_EQ(picker().wizardTopLeft(), (platform::Point{kWizardRect.left, kWizardRect.top}));
    const auto own = world.addForeignWindow("#32770", "Setup - Kelvra Zavora");
    picker().shown();
    EXPECT_FALSE(wizardVisible(wizard));
    picker().list().rowChecked(0, false);
    picker().unload();
    EXPECT_TRUE(wizardVisible(wizard));
    EXPECT_TRUE(snapshot().empty());

    picker().list().rowChecked(0, true);
    picker().shown();
    ASSERT_TRUE(picker().finish(0x77));
    picker().unload();
    EXPECT_TRUE(wizardVisible(wizard));
    EXPECT_EQ(languages(), "French;German;!Spanish;Czech");

    world.removeWindow(wizard);
    world.removeWindow(own);
    LanguagePicker byHand(links());
    byHand.loadList();
    EXPECT_EQ(byHand.wizardTopLeft(), std::nullopt);
}

TEST_F(LanguagePickerTest, ARefusedWriteIsReportedAndThePickerStays) {
    registry.setWritable(Scope::PerUser, false);
    EXPECT_FALSE(picker().finish(0x77));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].owner, platform::WindowHandle{0x77});
    EXPECT_NE(boxes.shown()[0].text.find("could not be saved"), std::string::npos);
    EXPECT_TRUE(snapshot().empty());  // not even the hand-over copy
}

// The interception instance of a user without an order of their own takes the one chosen
// during installation; an order of their own, even an empty one, stays.
TEST(InstallerLanguages, AUserWithoutAnOrderOfTheirOwnAdoptsTheInstallersChoice) {
    struct Case { std::optional<std::string> own, chosen; std::string expected; };
    const Case cases[] = {
        {std::nullopt, "German;!French", "German;!French"},
        {"", "German;!French", ""},
        {"Czech", "German;!French", "Czech"},
        {std::nullopt, std::nullopt, "<missing>"},
    };
    for (const Case& c : cases) {
        kz::testing::SimMachine m;
        SettingsStore store(m.world.registry());
        if (c.own) store.write(Scope::PerUser, "Zavora", "Languages", *c.own);
        if (c.chosen) store.write(Scope::MachineWide, "Zavora", "SetupLanguages", *c.chosen);
        m.run("");
        EXPECT_EQ(store.read(Scope::PerUser, "Zavora", "Languages", "<missing>"), c.expected);
    }
}

}  // namespace
}  // namespace kz::options_test
