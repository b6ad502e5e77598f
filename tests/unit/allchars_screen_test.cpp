// The all-characters screen's lists and remembered state, driven through the keyboard
// handler on the simulated desktop.
#include <gtest/gtest.h>

#include "input_test_rig.h"

namespace kz::testing {
namespace {

using Names = std::vector<std::string>;

const Names kAcuteLetters = {"a with acute", "e with acute", "i with acute", "o with acute", "u with acute",
                             "y with acute", "c with acute", "n with acute", "z with acute"};

class AllCharsScreenTest : public ::testing::Test {
protected:
    void chooseLanguage(int row) {
        rig.click(rig.pointIn(PopupControl::OptionLanguages));
        rig.click(rig.pointIn(PopupControl::TopList, row * 210 + 100));
    }
    AllCharsRig rig;
};

TEST_F(AllCharsScreenTest, ALanguageListsItsKeysFromAToZThenTheOtherKeysAndEachCharacterOnce) {
    rig.open();
    chooseLanguage(2);  // Polish: ó on both "o" and "u"; ą and ż are not in the table
    EXPECT_EQ(rig.screen.languageSel(), 2);
    EXPECT_EQ(rig.listedNames(), (Names{"c with acute", "l with stroke", "n with acute", "o with acute",
                                        "z with acute"}));
    rig.click(rig.pointIn(PopupControl::TopList, 3 * 210 + 100));  // Spanish: "¡" sits on "!"
    EXPECT_EQ(rig.listedNames(), (Names{"a with acute", "e with acute", "i with acute", "o with acute",
                                        "u with acute", "inverted exclamation mark"}));
}

TEST_F(AllCharsScreenTest, ScrollMaximaFollowTheListsLength) {
    rig.open();
    EXPECT_EQ(rig.screen.topBar().max(), 2);         // seven types, five rows: the last one reachable
    EXPECT_EQ(rig.screen.charactersBar().max(), 2);  // nine letters, seven rows
    rig.click(rig.pointIn(PopupControl::TopList, 2 * 210 + 100));  // "with stroke": three letters
    EXPECT_EQ(rig.screen.charactersBar().max(), -4);  // negative for a type
    chooseLanguage(2);                                // Polish: five characters
    EXPECT_EQ(rig.screen.charactersBar().max(), 0);   // zero for a language
    EXPECT_EQ(rig.screen.topBar().max(), -1);         // four languages
}

// Each list's keys (2: the characters list, 1: the top list, whose last type "with ring"
// has no characters) stop at both of its ends, scrolled into view.
TEST_F(AllCharsScreenTest, PageKeysStopAtBothEndsOfEachList) {
    struct Step { int list; std::vector<int> keys; int sel, bar; std::size_t listed; };
    const Step steps[] = {{2, {vk::kNext}, 7, 1, 9},          {2, {vk::kNext}, 8, 2, 9},
                          {2, {vk::kPrior, vk::kPrior}, 0, 0, 9}, {1, {vk::kNext, vk::kNext}, 6, 2, 0},
                          {1, {vk::kPrior, vk::kPrior}, 0, 0, 9}};
    rig.open();
    for (const Step& step : steps) {
        rig.popup.setFocusList(step.list);
        for (int key : step.keys) rig.tap(key);
        const bool top = step.list == 1;
        EXPECT_EQ(top ? rig.screen.groupSel() : rig.screen.gridSel(), step.sel) << step.list << " " << step.sel;
        EXPECT_EQ((top ? rig.screen.topBar() : rig.screen.charactersBar()).value(), step.bar) << step.sel;
        EXPECT_EQ(rig.listedNames().size(), step.listed) << step.sel;
    }
    EXPECT_EQ(rig.listedNames(), kAcuteLetters);
}

TEST_F(AllCharsScreenTest, EnterTypesTheSelectedCharacterInTheChosenCase) {
    rig.open();
    rig.tap(vk::kDown);
    rig.tap(vk::kReturn);
    EXPECT_FALSE(rig.popup.shown());
    EXPECT_FALSE(rig.sim.mouseHookInstalled());
    EXPECT_EQ(rig.typed(), u"\u00E9");

    rig.sim.setCapsLock(true);  // opens in upper case
    rig.open();
    EXPECT_EQ(rig.screen.gridSel(), 1);  // remembered
    rig.tap(vk::kReturn);
    EXPECT_EQ(rig.typed(), u"\u00E9\u00C9");

    rig.open();
    rig.popup.setFocusList(1);
    for (int i = 0; i < 4; ++i) rig.tap(vk::kDown);  // "other letters": sharp s has no capital
    rig.popup.setFocusList(2);
    rig.tap(vk::kReturn);
    EXPECT_EQ(rig.typed(), u"\u00E9\u00C9\u00DF");
}

// With RememberState the screen reopens on the stored list and character, scrolled into
// view; without it, or when the stored names and numbers fit nothing, on the first ones.
TEST_F(AllCharsScreenTest, OpeningSelectsTheStoredStateWhenItFits) {
    struct Case { bool remember; const char* option; const char* type; const char* language;
                  const char* character; int optionIndex, listSel, gridSel, barValue; };
    const Case cases[] = {
        {true, "1", "", "Spanish", "250", 1, 3, 4, 0},
        {true, "0", "", "", "378", 0, 0, 8, 2},  // ź, beyond the first page
        {false, "1", "", "Polish", "243", 0, 0, 0, 0},
        {true, "7", "with hook", "", "99999999999", 0, 0, 0, 0},
        {true, "0", "", "", "232", 0, 0, 0, 0},  // è is no acute
    };
    for (const Case& c : cases) {
        AllCharsRig fresh;
        fresh.settings.rememberState = c.remember;
        const char* section = "Zavora\\AllCharactersScreen";
        fresh.store.write(Scope::PerUser, section, "OptionSel", c.option);
        if (*c.type) fresh.store.write(Scope::PerUser, section, "List1Sel", c.type);
        if (*c.language) fresh.store.write(Scope::PerUser, section, "List2Sel", c.language);
        fresh.store.write(Scope::PerUser, section, "CharSel", c.character);
        fresh.open();
        const AllCharacters& screen = fresh.screen;
        EXPECT_EQ(screen.optionIndex(), c.optionIndex) << c.character;
        EXPECT_EQ(c.optionIndex == 1 ? screen.languageSel() : screen.groupSel(), c.listSel) << c.character;
        EXPECT_EQ(screen.gridSel(), c.gridSel) << c.character;
        EXPECT_EQ(screen.charactersBar().value(), c.barValue) << c.character;
    }
}

}  // namespace
}  // namespace kz::testing
