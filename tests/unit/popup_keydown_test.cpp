// `onPopupKey` beyond the gestures: help, the all-characters screen's entry points, the
// accent search, and the hiding sequence.
#include <gtest/gtest.h>

#include "input_test_rig.h"

namespace kz::testing {
namespace {

class FakeScreen final : public AllCharactersScreen {
public:
    void load() override { ++loads; }
    void saveState() override { ++saves; }
    void charactersListKey(int keyCode, int) override { list1Keys.push_back(keyCode); }
    void topListKey(int keyCode, int) override { list2Keys.push_back(keyCode); }
    std::optional<char16_t> chosenCharacter(int caseSel) const override {
        return caseSel == 1 ? u'\u0174' : u'\u0175';
    }
    void redrawlist() override { ++redraws; }

    int loads = 0, saves = 0, redraws = 0;
    std::vector<int> list1Keys, list2Keys;
};

class PopupKeyDownTest : public ::testing::Test {
protected:
    PopupKeyDownTest()
        : rig(),
          popup(PopupList::Links{.settings = rig.settings,
                                 .characters = rig.characters,
                                 .keyboard = rig.sim,
                                 .input = rig.sim,
                                 .gesture = rig.gesture,
                                 .tutorial = rig.tutorial,
                                 .view = rig.view,
                                 .screen = rig.screen,
                                 .allCharacters = &screen,
                                 .mouseHook = &rig.mouse,
                                 .showHelp = [this](std::string_view t) { help.emplace_back(t); }}) {}

    void openAllCharacters() {
        popup.setMode(2);
        popup.setKeyCode(vk::kSpace);
        popup.setWidth(popup.DefaultWidth());
    }
    void key(int code) { popup.onPopupKey(code, 0); }

    InputRig rig;
    FakeScreen screen;
    std::vector<std::string> help;
    PopupList popup;
};

TEST_F(PopupKeyDownTest, F1OpensHelpExceptWhereCtrlF1IsTheTrigger) {
    key(vk::kF1);
    EXPECT_EQ(help, (std::vector<std::string>{"usingzavora.htm"}));
    rig.settings.trigger = 5;
    key(vk::kF1);
    EXPECT_EQ(help.size(), 1u);
    FakeTutorial tutorial;
    rig.tutorial.set(&tutorial);
    key(vk::kF1);
    EXPECT_EQ(help.size(), 2u);
}

TEST_F(PopupKeyDownTest, TheAllCharactersScreenLoadsAndTakesKeysInTheListThatHasThem) {
    openAllCharacters();
    EXPECT_EQ(screen.loads, 1);
    EXPECT_EQ(popup.focusList(), 2);
    EXPECT_EQ(popup.bounds().heightTwips, 6615);
    key(vk::kDown);
    popup.setFocusList(1);
    key(vk::kNext);
    EXPECT_EQ(screen.list1Keys, (std::vector<int>{vk::kDown}));
    EXPECT_EQ(screen.list2Keys, (std::vector<int>{vk::kNext}));

    key(vk::kReturn);  // the top list has the keys: nothing is typed
    EXPECT_TRUE(popup.shown());
    popup.setFocusList(2);
    popup.makeselected_case(1);
    EXPECT_EQ(screen.redraws, 1);
    key(vk::kReturn);
    EXPECT_FALSE(popup.shown());
    EXPECT_EQ(screen.saves, 1);
    EXPECT_EQ(rig.typed(), u"\u0174");
}

TEST_F(PopupKeyDownTest, HidingReleasesTheTriggerKeysAndStoresTheScreen) {
    openAllCharacters();
    popup.hidePopup();
    EXPECT_FALSE(popup.shown());
    EXPECT_EQ(rig.keyEventsSent().size(), 16u);
    EXPECT_EQ(screen.saves, 1);
    EXPECT_FALSE(rig.sim.mouseHookInstalled());
    EXPECT_EQ(rig.view.hides, 1);
}

TEST_F(PopupKeyDownTest, CharacterNamesAreSearchedIgnoringLetterCase) {
    popup.setKeyChars({kEGrave, kEAcute, kSharpS});
    EXPECT_EQ(popup.getCharOfType("WITH ACUTE"), 1);
    EXPECT_EQ(popup.getCharOfType("with grave"), 0);
    EXPECT_EQ(popup.getCharOfType("with ogonek"), -1);
    popup.setKeyChars({u'\u4E00'});  // no record
    EXPECT_EQ(popup.getCharOfType("with acute"), -1);
}

}  // namespace
}  // namespace kz::testing
