// Drawing the all-characters screen's lists through the recording canvas.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "allchars_test_rig.h"
#include "platform/sim/recording_canvas.h"
#include "popup/all_characters_draw.h"

namespace kz::testing {
namespace {

using platform::Rect;

class AllCharsDrawTest : public ::testing::Test {
protected:
    AllCharsDrawTest() { table.assign(TestCharacters()); }

    CharacterListDrawState characters(std::vector<int>& list, int sel, int top) const {
        return CharacterListDrawState{.list = list, .sel = sel, .top = top, .caseSel = 0,
                                      .displayUnicodeSymbol = true, .characters = &table};
    }
    std::vector<int> allIndexes() const {
        std::vector<int> list;
        for (int i = 0; i < static_cast<int>(table.size()); ++i) list.push_back(i);
        return list;
    }

    CharacterTable table;
    sim::RecordingCanvas canvas;
};

TEST_F(AllCharsDrawTest, TheTopListShowsFiveNamesFromTheScrollPositionWithTheSelectionHighlighted) {
    const std::vector<std::string> names = {"one", "two", "three", "four", "five", "six", "seven"};
    DrawTextList(canvas, TextListDrawState{.list = names, .sel = 3, .top = 1}, 221, 70);
    EXPECT_EQ(canvas.textStrings(), (std::vector<std::u16string>{u"two", u"three", u"four", u"five", u"six"}));
    const sim::TextOp* selected = canvas.findText(u"four");
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(selected->rect, (Rect{3, 28, 218, 42}));
    EXPECT_EQ(selected->color, platform::kWhite);
    EXPECT_EQ(selected->font, platform::makeFont(9, "Arial", false));
    EXPECT_EQ(canvas.findText(u"two")->color, platform::kBlack);
    ASSERT_EQ(canvas.fills.size(), 2u);  // the clearing, then the highlight box
    EXPECT_EQ(canvas.fills[1].rect, (Rect{0, 27, 221, 41}));
}

TEST_F(AllCharsDrawTest, CharacterRowsShowTheCharacterAndItsNameWithShadingThatScrolls) {
    std::vector<int> list = allIndexes();
    DrawCharacterList(canvas, characters(list, 2, 1), 221, 189);
    // Seven rows from entry 1: character then name for each.
    ASSERT_EQ(canvas.texts.size(), 14u + 2u);  // and the badge letters of c and n with acute
    EXPECT_EQ(canvas.texts[0].text, u"\u00E9");
    EXPECT_EQ(canvas.texts[0].rect, (Rect{12, 2, 35, 29}));
    EXPECT_EQ(canvas.texts[0].font, platform::makeFont(16, "Arial", false));
    EXPECT_EQ(canvas.texts[1].text, u"e with acute");
    EXPECT_EQ(canvas.texts[1].rect, (Rect{50, 7, 215, 29}));
    EXPECT_EQ(canvas.texts[1].font, platform::makeFont(9, "Arial Narrow", false));
    EXPECT_EQ(canvas.texts[1].color, platform::kBlack);
    // Entry 2 (row 1) is selected; odd entries 1, 3, 5, 7 are shaded.
    EXPECT_EQ(canvas.findText(u"i with acute")->color, platform::kWhite);
    std::vector<int> shadedTops;
    for (const sim::FillOp& fill : canvas.fills) {
        if (fill.color == platform::kShade) shadedTops.push_back(fill.rect.top);
    }
    EXPECT_EQ(shadedTops, (std::vector<int>{0, 53, 107, 160}));
}

TEST_F(AllCharsDrawTest, UpperCaseAndTheBadgeFollowTheCharacterDrawn) {
    std::vector<int> list = {15, 12};  // sharp s (no capital), d with stroke (outside the code page)
    CharacterListDrawState state = characters(list, 0, 0);
    state.caseSel = 1;
    DrawCharacterList(canvas, state, 221, 189);
    EXPECT_NE(canvas.findText(u"\u00DF"), nullptr);
    EXPECT_NE(canvas.findText(u"\u0110"), nullptr);
    ASSERT_EQ(canvas.ellipses.size(), 1u);
    // Centred at x 207, six pixels below the second row's name top (27 + 7).
    EXPECT_EQ(canvas.ellipses[0].bounds, (Rect{199, 32, 215, 48}));
    EXPECT_NE(canvas.findText(u"U"), nullptr);

    canvas.clear();
    state.displayUnicodeSymbol = false;
    DrawCharacterList(canvas, state, 221, 189);
    EXPECT_TRUE(canvas.ellipses.empty());
}

TEST_F(AllCharsDrawTest, RowsScaleWithTheDpi) {
    sim::RecordingCanvas large(144);
    std::vector<int> list = allIndexes();
    DrawCharacterList(large, characters(list, 0, 0), 332, 284);
    EXPECT_EQ(large.findText(u"\u00ED")->rect, (Rect{18, 80 + 3, 52, 120 + 3}));
}

}  // namespace
}  // namespace kz::testing
