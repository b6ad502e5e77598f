#include "editor_fixture.h"

#include "editor/editor_texts.h"

namespace kz::testing {
namespace {

using Kind = sim::ShownMessageBox::Kind;

using EditorSaveTest = EditorTest;

// The name is checked first, in order, and sends the focus back to it; then a language
// without characters is refused. A refused save writes nothing.
TEST_F(EditorSaveTest, TheNameAndThenTheCharactersAreCheckedBeforeAnythingIsWritten) {
    storeLanguage("Mine", "e 00E9");
    auto& e = open("Mine");
    e.selectKey(kKeyE);
    e.pressAddRemove(1);  // no characters left: the name is checked first all the same
    const std::pair<std::string, std::string_view> cases[] = {
        {"!a;b", editor::kNameStartsWithExclamation},
        {"a;b", editor::kNameContainsSemicolon},
        {"", editor::kNameEmpty},
        {"Mine", editor::kNoCharacters},
    };
    for (const auto& [name, message] : cases) {
        e.nameChanged(name);
        view.focus.clear();
        EXPECT_FALSE(e.pressButton(name == "Mine" ? 2 : 0)) << name;
        ASSERT_FALSE(messages.shown().empty());
        EXPECT_EQ(messages.shown().back().text, message) << name;
        EXPECT_EQ(messages.shown().back().title, "Kelvra Zavora");
        if (name != "Mine") {
            EXPECT_EQ(view.focus, std::vector<std::string>{"name"}) << name;
        }
    }
    EXPECT_EQ(messages.shown().size(), 4u);
    EXPECT_EQ(stored("Mine"), "e 00E9");
    EXPECT_EQ(e.editedLanguageName(), "");
}

// Saving under the loaded name asks nothing unless only its case changed, and keeps the
// loaded name then; saving under a new name leaves the old value and disables Reset.
TEST_F(EditorSaveTest, TheOwnNameIsNotAskedAboutAndANewNameLeavesTheOldValue) {
    auto& e = open("French");
    EXPECT_FALSE(e.pressButton(2));  // Apply keeps the window open
    EXPECT_TRUE(messages.shown().empty());
    const std::string body = "a 00E0;;c 00E7;;e 00E900E8";
    EXPECT_EQ(stored("French"), body);
    e.nameChanged("FRENCH");
    EXPECT_FALSE(e.resetEnabled());
    messages.queueAnswer(true);
    EXPECT_FALSE(e.pressButton(2));
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(e.loadedName(), "French");
    EXPECT_EQ(e.editedLanguageName(), "FRENCH");

    e.nameChanged("Frankish");
    EXPECT_FALSE(e.pressButton(2));
    EXPECT_EQ(e.loadedName(), "Frankish");
    EXPECT_FALSE(e.resetEnabled());
    EXPECT_EQ(stored("Frankish"), body);
    EXPECT_EQ(stored("French"), body);
    EXPECT_EQ(e.editedLanguageName(), "Frankish");
}

// A refused reset says so and keeps the edits. Reset deletes at once; the Cancel that
// follows writes nothing, not even the shipped body.
TEST_F(EditorSaveTest, ResetDeletesTheStoredChangesAtOnceEvenWhenCancelled) {
    storeLanguage("French", "u 00FA");
    auto& e = open("French");
    e.selectKey(kKeyA);
    e.pressAddRemove(0);
    registry.setWritable(platform::Scope::MachineWide, false);
    e.resetLanguage();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, editor::ResetRefusedMessage("French"));
    EXPECT_EQ(stored("French"), "u 00FA");
    EXPECT_EQ(e.keyLists().body(AnsiTable(codePage)), "a 00E1;;u 00FA");

    registry.setWritable(platform::Scope::MachineWide, true);
    e.selectKey(kKeyU);
    e.resetLanguage();
    EXPECT_EQ(stored("French"), "<none>");
    EXPECT_EQ(e.keyLists().body(AnsiTable(codePage)), "a 00E0;;c 00E7;;e 00E900E8");
    EXPECT_EQ(e.selectedKey(), kKeyU);
    EXPECT_TRUE(e.pressButton(1));
    EXPECT_EQ(stored("French"), "<none>");
    EXPECT_EQ(e.editedLanguageName(), "");
    EXPECT_EQ(messages.shown().size(), 1u);
}

// Replacing a stored language asks first, and "No" sends the focus back to the name. A
// save the store drops is reported, nothing changes, and the editor keeps every edit for a
// later try.
TEST_F(EditorSaveTest, ATakenNameAsksFirstAndASaveTheStoreDropsIsReported) {
    storeLanguage("Old", "a 00E1");
    auto& e = open();
    e.selectKey(kKeyE);
    e.leftListMouseDown(400);
    e.pressAddRemove(0);
    e.nameChanged("Old");
    EXPECT_FALSE(e.pressButton(0));  // no answer queued: "No"
    EXPECT_EQ(messages.shown().back().kind, Kind::Question);
    EXPECT_EQ(messages.shown().back().text, editor::kReplaceQuestion);
    EXPECT_EQ(view.focus.back(), "name");
    registry.setWritable(platform::Scope::MachineWide, false);
    messages.queueAnswer(true);
    EXPECT_FALSE(e.pressButton(0));
    EXPECT_EQ(messages.shown().back().kind, Kind::Information);
    EXPECT_EQ(messages.shown().back().text, editor::SaveRefusedMessage("Old"));
    EXPECT_EQ(stored("Old"), "a 00E1");
    EXPECT_EQ(e.editedLanguageName(), "");
    EXPECT_EQ(e.keyLists().body(AnsiTable(codePage)), "e 00E9");

    registry.setWritable(platform::Scope::MachineWide, true);
    EXPECT_TRUE(e.pressButton(0));
    EXPECT_EQ(stored("Old"), "e 00E9");
    EXPECT_EQ(e.editedLanguageName(), "Old");
}

}  // namespace
}  // namespace kz::testing
