// Row clicks, check boxes, Delete Language, Restore Default Settings, and the Add and
// Edit flows around the language editor.
#include "options/options_texts.h"
#include "options_fixture.h"

namespace kz::options_test {
namespace {

using ::testing::ElementsAre;
using Kind = sim::ShownMessageBox::Kind;

class LanguageCommands : public OptionsTest {
protected:
    void SetUp() override {
        addUserLanguage("Klingon", "k 0138");
        addUserLanguage("Vulcan", "v 0176");
        dialog().open();
        // French, German, !Spanish, Czech, Klingon, Vulcan
    }
};

// Edit is enabled for exactly one selected row, Delete only when that row is a user
// language. Ticking a box selects its row alone, so it applies the rule as a click does.
TEST_F(LanguageCommands, EditAndDeleteFollowClicksAndTicks) {
    struct Step { std::function<void()> act; bool edit; bool remove; };
    const Step steps[] = {
        {[&] { clickRow(1); }, true, false},
        {[&] { clickRow(4); }, true, true},
        {[&] { ctrlClickRow(5); }, false, false},
        {[&] { page().rowChecked(0, false); }, true, false},  // several rows, then a tick
        {[&] { clickRow(4); }, true, true},
        {[&] { page().rowChecked(2, true); }, true, false},   // from a user row to a shipped one
        {[&] { page().rowChecked(5, false); }, true, true},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        steps[i].act();
        EXPECT_EQ(page().editEnabled(), steps[i].edit) << "step " << i;
        EXPECT_EQ(page().deleteEnabled(), steps[i].remove) << "step " << i;
    }
    EXPECT_TRUE(dialog().applyEnabled());
    EXPECT_THAT(rowSummary(), ElementsAre("!French", "German", "Spanish", "Czech",
                                          "Klingon(user)", "!Vulcan(user)*"));
}

TEST_F(LanguageCommands, DeleteNeverTouchesAShippedLanguage) {
    addUserLanguage("French", "e 00EA");  // the user's changes to a shipped language
    clickRow(4);
    page().rowChecked(0, true);
    boxes.queueAnswer(true);
    page().deleteLanguage();
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(userLanguage("French"), "e 00EA");
    EXPECT_EQ(page().rows().size(), 6u);
}

TEST_F(LanguageCommands, DeleteAsksFirstThenRemovesTheUserLanguageAtOnce) {
    setLanguages("Vulcan;Klingon;Czech");
    dialog().open();
    clickRow(1);
    const StoredValues before = snapshot();
    page().deleteLanguage();  // no answer queued: "No"
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].kind, Kind::Question);
    EXPECT_EQ(boxes.shown()[0].text, "Are you sure you want to delete the language \"Klingon\"?");
    EXPECT_EQ(boxes.shown()[0].owner, view.dialogWindow());
    EXPECT_EQ(snapshot(), before);

    boxes.queueAnswer(true);
    page().deleteLanguage();
    EXPECT_FALSE(userLanguage("Klingon").has_value());
    EXPECT_EQ(languages(), "Vulcan;Klingon;Czech") << "the order is written by OK or Apply only";
    EXPECT_FALSE(dialog().applyEnabled());
    // The row above is selected, with the row-click rules applied to it.
    EXPECT_THAT(rowSummary(), ElementsAre("Vulcan(user)*", "Czech", "French", "German", "!Spanish"));
    EXPECT_TRUE(page().deleteEnabled());
    boxes.queueAnswer(true);
    page().deleteLanguage();  // the first row: the new first row is selected
    EXPECT_EQ(rowSummary().front(), "Czech*");
    EXPECT_FALSE(page().deleteEnabled());

    // The stale names in the order are dropped by the next save.
    dialog().pressButton(options::kOkButton);
    EXPECT_EQ(languages(), "Czech;French;German;!Spanish");
}

TEST_F(LanguageCommands, DeletingTheLastRowLeavesNothingSelected) {
    std::filesystem::remove(files.path() / "data.dat");
    registry.remove(Scope::MachineWide, "Software\\Kelvra\\Zavora\\Languages", "Vulcan");
    dialog().open();
    ASSERT_THAT(rowNames(), ElementsAre("Klingon"));
    boxes.queueAnswer(true);
    page().deleteLanguage();
    EXPECT_TRUE(page().rows().empty());
    EXPECT_FALSE(page().selectedRow().has_value());
    EXPECT_FALSE(page().deleteEnabled());
    boxes.queueAnswer(true);
    page().deleteLanguage();  // nothing left to ask about
    EXPECT_EQ(boxes.shown().size(), 1u);
}

TEST_F(LanguageCommands, ARefusedDeletionOrResetIsReportedAndTheRowsShowWhatIsStored) {
    addUserLanguage("French", "e 00EA");
    registry.setWritable(Scope::MachineWide, false);
    clickRow(4);
    boxes.queueAnswer(true);
    page().deleteLanguage();
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[1].kind, Kind::Information);
    EXPECT_EQ(boxes.shown()[1].text, options::DeleteRefusedMessage("Klingon"));
    EXPECT_EQ(userLanguage("Klingon"), "k 0138");
    EXPECT_EQ(rowSummary()[4], "Klingon(user)*");
    EXPECT_TRUE(page().deleteEnabled());

    boxes.queueAnswer(true);
    page().resetToDefault();
    ASSERT_EQ(boxes.shown().size(), 4u);
    EXPECT_EQ(boxes.shown()[3].text, options::ResetRefusedMessage({"French"}));
    EXPECT_EQ(userLanguage("French"), "e 00EA");
    EXPECT_EQ(languages(), ";French;German;!Spanish;Czech;!Klingon;!Vulcan;");
    EXPECT_THAT(rowSummary(), ElementsAre("French*", "German", "!Spanish", "Czech",
                                          "!Klingon(user)", "!Vulcan(user)"));
}

TEST_F(LanguageCommands, RestoreDefaultsAsksFirstAndWritesOnlyOnYes) {
    page().rowChecked(0, false);
    const StoredValues before = snapshot();
    boxes.queueAnswer(false);
    page().resetToDefault();
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(rowSummary().front(), "!French*");

    boxes.queueAnswer(true);
    page().resetToDefault();
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[1].title, "Kelvra Zavora");
    EXPECT_EQ(boxes.shown()[1].text, "Are you sure you want to reset your language settings?");
    EXPECT_EQ(languages(), ";French;German;!Spanish;Czech;!Klingon;!Vulcan;");
    EXPECT_THAT(rowSummary(), ElementsAre("French*", "German", "!Spanish", "Czech",
                                          "!Klingon(user)", "!Vulcan(user)"));
}

TEST_F(LanguageCommands, AddSavesPendingEditsFirstThenSelectsTheNewLanguage) {
    page().rowChecked(1, false);  // a pending edit: German off
    editor.nameToSave = "Romulan";
    view.top = 0;
    view.bottom = 3;
    view.calls.clear();
    page().addLanguage();

    EXPECT_THAT(editor.calls, ElementsAre("add"));
    // Apply ran before the rebuild: the pending edit reached the store and the key table.
    EXPECT_EQ(languages(), "French;!German;!Spanish;Czech;Klingon;Vulcan");
    EXPECT_FALSE(dialog().applyEnabled());
    EXPECT_THAT(program.calls, ::testing::Contains("rebuildKeyTable"));
    EXPECT_THAT(rowSummary(), ElementsAre("French", "!German", "!Spanish", "Czech",
                                          "Klingon(user)", "Vulcan(user)", "Romulan(user)*"));
    EXPECT_THAT(view.calls, ElementsAre("focus", "visible 0", "visible 3", "visible 6"));
    EXPECT_TRUE(page().deleteEnabled());
}

TEST_F(LanguageCommands, AddWithoutPendingEditsWritesNothingBeforeTheRebuild) {
    const std::string languagesBefore = languages();
    editor.nameToSave = "Romulan";
    page().addLanguage();
    EXPECT_EQ(languages(), languagesBefore);
    EXPECT_THAT(program.calls, ::testing::Not(::testing::Contains("rebuildKeyTable")));
    EXPECT_EQ(rowSummary().back(), "Romulan(user)*");

    // A name that exists in another case selects the existing row; no row is added.
    editor.nameToSave = "GERMAN";
    page().addLanguage();
    EXPECT_EQ(page().rows().size(), 7u);
    EXPECT_EQ(rowSummary()[1], "German*");
    EXPECT_EQ(page().selectedRow(), 1u);
    EXPECT_FALSE(page().rows()[0].selected);
}

// The editor's loop also ends when the program closes under it; the list's pending edits
// were never confirmed then.
TEST_F(LanguageCommands, NothingIsWrittenWhenTheDialogOrTheProgramEndsUnderTheEditor) {
    const std::function<void()> endings[] = {
        [&] { program.ending = true; },  // "/close", a newer instance, Exit in the tray menu
        [&] { dialog().closeDialog(); },
    };
    for (const auto& ending : endings) {
        dialog().open();
        program.ending = false;
        page().rowChecked(1, false);
        const StoredValues before = snapshot();
        program.calls.clear();
        editor.whileOpen = ending;
        page().addLanguage();
        EXPECT_EQ(snapshot(), before);
        EXPECT_THAT(program.calls, ::testing::Not(::testing::Contains("rebuildKeyTable")));
    }
}

TEST_F(LanguageCommands, EditLoadsTheSelectedLanguageAndSelectsItUnderItsSavedName) {
    clickRow(3);
    view.calls.clear();
    page().editLanguage();  // the editor saves nothing
    EXPECT_THAT(editor.calls, ElementsAre("edit Czech"));
    EXPECT_EQ(page().selectedRow(), 3u);
    EXPECT_FALSE(page().rows()[0].selected);
    // No visible rows reported: the first row and the last row are taken.
    EXPECT_THAT(view.calls, ElementsAre("focus", "visible 0", "visible 5", "visible 3"));

    clickRow(5);
    editor.nameToSave = "Vulcan Classic";
    page().editLanguage();
    EXPECT_EQ(rowSummary().back(), "Vulcan Classic(user)*");
    EXPECT_EQ(page().selectedRow(), 6u);
}

TEST_F(LanguageCommands, AfterTheEditorTheRememberedRowIsKeptWithinTheList) {
    clickRow(5);
    // The user deletes Vulcan and Klingon elsewhere while the editor is open.
    editor.whileOpen = [this] {
        registry.remove(Scope::MachineWide, "Software\\Kelvra\\Zavora\\Languages", "Vulcan");
        registry.remove(Scope::MachineWide, "Software\\Kelvra\\Zavora\\Languages", "Klingon");
    };
    view.bottom = 5;
    view.calls.clear();
    page().editLanguage();
    EXPECT_THAT(rowNames(), ElementsAre("French", "German", "Spanish", "Czech"));
    EXPECT_EQ(page().selectedRow(), 3u);
    EXPECT_THAT(view.calls, ElementsAre("focus", "visible 0", "visible 3", "visible 3"));
}

}  // namespace
}  // namespace kz::options_test
