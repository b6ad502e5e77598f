// The language list: built from the stored order, order.dat, data.dat and the user
// languages; row clicks, check boxes, Delete Language, Restore Default Settings, and the
// Add and Edit flows around the language editor.
#include "options/options_texts.h"
#include "options_fixture.h"

namespace kz::options_test {
namespace {

using Kind = sim::ShownMessageBox::Kind;

// Rows: the stored order first (names compare without case, the first form wins, names
// without a body get no row), then the shipped order's other languages as order.dat has
// them, then the user's own languages enabled. A user value for a shipped name is that
// language, not one of the user's own; user names come back in proper case.
TEST_F(OptionsTest, TheListFollowsTheStoredOrderThenTheShippedOneThenTheUsersLanguages) {
    struct Case { const char* order; std::vector<std::pair<const char*, const char*>> user;
                  std::vector<std::string> rows; };
    const Case cases[] = {
        {nullptr, {{"Klingon", "k 0138"}}, {"French*", "German", "!Spanish", "Czech", "Klingon(user)"}},
        {"Czech;!French", {{"Klingon", "k 0138"}}, {"Czech*", "!French", "German", "!Spanish", "Klingon(user)"}},
        {"german;!GERMAN;French;FRENCH;;Czech;Spanish", {}, {"german*", "French", "Czech", "Spanish"}},
        {"Klingon;French;Hollow;Blank;Empty; ;German", {{"Blank", "   "}, {"Empty", ""}},
         {"French*", "German", "!Spanish", "Czech"}},
        {nullptr, {{"french", "e 00EA"}, {"man", "m 00B5"}}, {"French*", "German", "!Spanish", "Czech", "Man(user)"}},
    };
    for (const Case& c : cases) {
        for (const auto& value : registry.values(Scope::MachineWide, kUserLanguagesKey)) removeUserLanguage(value.name);
        registry.remove(Scope::PerUser, "Software\\Kelvra\\Zavora", "Languages");
        if (c.order) setLanguages(c.order);
        for (const auto& [name, body] : c.user) addUserLanguage(name, body);
        page().reloadLanguagesList(false);
        EXPECT_EQ(rowSummary(), c.rows) << (c.order ? c.order : "no order");
        EXPECT_EQ(languages(), c.order ? c.order : "<missing>") << "a reload without reset writes nothing";
    }
    // The rebuilt list selects its first row; a changed shipped language cannot be deleted.
    EXPECT_EQ(page().rows()[0].tag, "default");
    EXPECT_TRUE(page().editEnabled());
    EXPECT_FALSE(page().deleteEnabled());
    clickRow(4);
    EXPECT_TRUE(page().deleteEnabled());
}

class LanguageCommands : public OptionsTest {
protected:
    void SetUp() override {
        addUserLanguage("Klingon", "k 0138");
        addUserLanguage("Vulcan", "v 0176");
        dialog().open();  // French, German, !Spanish, Czech, Klingon, Vulcan
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
        {[&] { page().rowChecked(2, true); }, true, false},  // from a user row to a shipped one
        {[&] { page().rowChecked(5, false); }, true, true},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        steps[i].act();
        EXPECT_EQ(page().editEnabled(), steps[i].edit) << "step " << i;
        EXPECT_EQ(page().deleteEnabled(), steps[i].remove) << "step " << i;
    }
}

// Delete asks first and removes the user language at once; the row above, or the new
// first row, is selected with the click rules applied. A shipped language, even one the
// user changed, is never deleted; a refused deletion is reported and the row stays; an
// empty list has nothing to ask about and saves an empty order.
TEST_F(LanguageCommands, DeleteAsksFirstThenRemovesOnlyAUserLanguageAtOnce) {
    addUserLanguage("French", "e 00EA");
    page().rowChecked(0, true);
    page().deleteLanguage();
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(userLanguage("French"), "e 00EA");

    removeUserLanguage("French");
    setLanguages("Vulcan;Klingon;Czech");
    dialog().open();
    clickRow(1);
    const StoredValues before = snapshot();
    page().deleteLanguage();  // no answer queued: "No"
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].kind, Kind::Question);
    EXPECT_EQ(boxes.shown()[0].text, "Are you sure you want to delete the language \"Klingon\"?");
    EXPECT_EQ(snapshot(), before);

    registry.setWritable(Scope::MachineWide, false);
    boxes.queueAnswer(true);
    page().deleteLanguage();
    EXPECT_EQ(boxes.shown().back().text, options::DeleteRefusedMessage("Klingon"));
    EXPECT_EQ(rowSummary()[1], "Klingon(user)*");
    registry.setWritable(Scope::MachineWide, true);
    boxes.queueAnswer(true);
    page().deleteLanguage();
    EXPECT_EQ(userLanguage("Klingon"), "<missing>");
    EXPECT_EQ(languages(), "Vulcan;Klingon;Czech") << "the order is written by OK or Apply only";
    EXPECT_FALSE(dialog().applyEnabled());
    EXPECT_THAT(rowSummary(), ElementsAre("Vulcan(user)*", "Czech", "French", "German", "!Spanish"));
    boxes.queueAnswer(true);
    page().deleteLanguage();
    EXPECT_EQ(rowSummary().front(), "Czech*");
    EXPECT_FALSE(page().deleteEnabled());
    dialog().pressButton(options::kOkButton);
    EXPECT_EQ(languages(), "Czech;French;German;!Spanish") << "the next save drops the stale names";

    std::filesystem::remove(files.path() / "data.dat");
    removeUserLanguage("Vulcan");
    dialog().open();
    EXPECT_TRUE(page().rows().empty());
    EXPECT_FALSE(page().selectedRow().has_value());
    EXPECT_FALSE(page().editEnabled());
    const std::size_t shown = boxes.shown().size();
    boxes.queueAnswer(true);
    page().deleteLanguage();
    EXPECT_EQ(boxes.shown().size(), shown);
    dialog().pressButton(options::kOkButton);
    EXPECT_EQ(languages(), "");
}

// A reset asks first; on Yes it drops the user's changes to shipped languages, keeps the
// user's own languages last and disabled, and writes the order at once. A refused drop is
// reported, and the rows show what is stored.
TEST_F(LanguageCommands, RestoreDefaultsAsksFirstAndWritesOnlyOnYes) {
    addUserLanguage("French", "e 00EA");
    setLanguages("Klingon;Czech;!German");
    page().rowChecked(0, false);
    const StoredValues before = snapshot();
    boxes.queueAnswer(false);
    page().resetToDefault();
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(rowSummary().front(), "!French*");

    for (const bool writable : {false, true}) {
        registry.setWritable(Scope::MachineWide, writable);
        const std::size_t question = boxes.shown().size();
        boxes.queueAnswer(true);
        page().resetToDefault();
        ASSERT_EQ(boxes.shown().size(), question + (writable ? 1 : 2));
        EXPECT_EQ(boxes.shown()[question].text, "Are you sure you want to reset your language settings?");
        if (!writable) {
            EXPECT_EQ(boxes.shown().back().text, options::ResetRefusedMessage({"French"}));
        }
        EXPECT_EQ(userLanguage("French"), writable ? "<missing>" : "e 00EA");
        EXPECT_EQ(userLanguage("Klingon"), "k 0138");
        EXPECT_EQ(languages(), ";French;German;!Spanish;Czech;!Klingon;!Vulcan;");
        EXPECT_THAT(rowSummary(),
                    ElementsAre("French*", "German", "!Spanish", "Czech", "!Klingon(user)", "!Vulcan(user)"));
    }
}

// Add saves pending edits first, as Apply does, then selects the new language.
TEST_F(LanguageCommands, AddSavesPendingEditsFirstThenSelectsTheNewLanguage) {
    page().rowChecked(1, false);
    editor.nameToSave = "Romulan";
    view.top = 0;
    view.bottom = 3;
    view.calls.clear();
    page().addLanguage();
    EXPECT_THAT(editor.calls, ElementsAre("add"));
    EXPECT_EQ(languages(), "French;!German;!Spanish;Czech;Klingon;Vulcan");
    EXPECT_FALSE(dialog().applyEnabled());
    EXPECT_THAT(program.calls, ::testing::Contains("rebuildKeyTable"));
    EXPECT_THAT(rowSummary(), ElementsAre("French", "!German", "!Spanish", "Czech", "Klingon(user)",
                                          "Vulcan(user)", "Romulan(user)*"));
    EXPECT_THAT(view.calls, ElementsAre("focus", "visible 0", "visible 3", "visible 6"));
    EXPECT_TRUE(page().deleteEnabled());

    editor.nameToSave = "GERMAN";  // a name that exists in another case selects that row
    page().addLanguage();
    EXPECT_EQ(page().rows().size(), 7u);
    EXPECT_EQ(rowSummary()[1], "!German*");
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

// After the editor the remembered row is selected under its saved name and scrolled to,
// and kept within the list when rows went away meanwhile. Without visible rows reported
// the first and the last row are taken.
TEST_F(LanguageCommands, EditSelectsTheLanguageUnderItsSavedNameWithinTheList) {
    clickRow(3);
    view.calls.clear();
    page().editLanguage();  // the editor saves nothing
    EXPECT_THAT(editor.calls, ElementsAre("edit Czech"));
    EXPECT_EQ(page().selectedRow(), 3u);
    EXPECT_FALSE(page().rows()[0].selected);
    EXPECT_THAT(view.calls, ElementsAre("focus", "visible 0", "visible 5", "visible 3"));

    clickRow(5);
    editor.nameToSave = "Vulcan Classic";
    page().editLanguage();
    EXPECT_EQ(rowSummary().back(), "Vulcan Classic(user)*");
    EXPECT_EQ(page().selectedRow(), 6u);

    editor.nameToSave.clear();
    editor.whileOpen = [this] {
        for (const char* name : {"Vulcan", "Vulcan Classic", "Klingon"}) removeUserLanguage(name);
    };
    view.bottom = 5;
    view.calls.clear();
    page().editLanguage();
    EXPECT_THAT(rowSummary(), ElementsAre("French", "German", "!Spanish", "Czech*"));
    EXPECT_THAT(view.calls, ElementsAre("focus", "visible 0", "visible 3", "visible 3"));
}

}  // namespace
}  // namespace kz::options_test
