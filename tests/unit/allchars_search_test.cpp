// Finding characters by name in the all-characters screen: the word-start index, and the
// search typed on the simulated keyboard.
#include <gtest/gtest.h>

#include "input_test_rig.h"
#include "popup/character_search.h"

namespace kz::testing {
namespace {

using Names = std::vector<std::string>;

// Every typed word must begin a word of the name, in any order and any letter case;
// no hit, or no word at all, gives an empty list.
TEST(CharacterSearchTest, EveryTypedWordMustBeginAWordOfTheNameInAnyOrder) {
    CharacterTable table;
    table.assign(TestCharacters());
    CharacterSearch search;
    search.index(table);
    const auto find = [&](std::string_view query) {
        std::vector<int> found;
        search.find(query, found);
        Names names;
        for (int index : found) names.push_back(table.records()[static_cast<std::size_t>(index)].name);
        return names;
    };
    const std::pair<const char*, Names> cases[] = {
        {"o stroke", {"o with stroke"}}, {"stroke o", {"o with stroke"}}, {"e ac", {"e with acute"}},
        {"with s", {"o with stroke", "d with stroke", "l with stroke"}}, {"  sharp   s ", {"sharp s"}},
        {"CYRILLIC Zh", {"cyrillic zhe"}}, {"cute", {}}, {"troke", {}}, {"owith", {}}, {"xylophone", {}},
        {"e zhe", {}}, {"   ", {}}, {"", {}},
    };
    for (const auto& [query, names] : cases) EXPECT_EQ(find(query), names) << query;
    EXPECT_EQ(find("acute").size(), 9u);
}

class AllCharsSearchTest : public ::testing::Test {
protected:
    AllCharsRig rig;
};

// Typed words list the matching characters and give the list the keys; Backspace takes
// back one character at a time and closes only when nothing is left; Enter types the first.
TEST_F(AllCharsSearchTest, TypedWordsListMatchesBackspaceTakesThemBackAndEnterTypesTheFirst) {
    rig.open();
    rig.tap(vk::kDown);
    rig.popup.setFocusList(1);
    rig.typeText("e g");
    EXPECT_EQ(rig.screen.charactersCaption(), "Search: e g");
    EXPECT_EQ(rig.listedNames(), Names{"e with grave"});
    EXPECT_EQ(rig.popup.focusList(), 2);
    rig.tap(vk::kBack);
    EXPECT_EQ(rig.screen.searchText(), "e ");
    EXPECT_EQ(rig.listedNames(), (Names{"e with acute", "e with grave", "inverted exclamation mark"}));
    rig.tap(vk::kBack);
    rig.tap(vk::kBack);
    EXPECT_TRUE(rig.popup.shown());
    EXPECT_EQ(rig.screen.searchText(), "");
    EXPECT_EQ(rig.screen.charactersCaption(), "Characters:");
    EXPECT_EQ(rig.listedNames().size(), 9u);  // the chosen type again, from its first letter
    EXPECT_EQ(rig.screen.gridSel(), 0);
    rig.tap(vk::kBack);
    EXPECT_FALSE(rig.popup.shown());
    EXPECT_EQ(rig.typed(), u"");

    rig.open();
    rig.typeText("o stroke");
    EXPECT_EQ(rig.listedNames(), Names{"o with stroke"});
    rig.tap(vk::kReturn);
    EXPECT_FALSE(rig.popup.shown());
    EXPECT_EQ(rig.typed(), u"\u00F8");
}

TEST_F(AllCharsSearchTest, LettersTypedWithTheTriggerHeldDoNotSearch) {
    rig.withHeld(vk::kRMenu, vk::kSpace);
    rig.sim.tap('Q');  // no characters on Q: the screen stays, nothing is searched
    EXPECT_TRUE(rig.popup.shown());
    EXPECT_EQ(rig.screen.searchText(), "");
    rig.sim.release(vk::kRMenu);
    rig.sim.tap(vk::kSpace);  // a search does not start with a blank
    EXPECT_EQ(rig.screen.searchText(), "");
    rig.sim.tap('Q');
    EXPECT_EQ(rig.screen.searchText(), "q");
}

}  // namespace
}  // namespace kz::testing
