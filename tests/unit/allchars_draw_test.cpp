// Drawing the all-characters screen's lists through the recording canvas.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input_test_rig.h"
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

    CharacterTable table;
    sim::RecordingCanvas canvas;
};

TEST_F(AllCharsDrawTest, TheTopListShowsFiveNamesFromTheScrollPositionWithTheSelectionHighlighted) {
    const std::vector<std::string> names = {"one", "two", "three", "four", "five", "six", "seven"};
    DrawTextList(canvas, TextListDrawState{.list = names, .sel = 3, .top = 1}, 221, 70);
    EXPECT_EQ(canvas.textStrings(), (std::vector<std::u16string>{u"two", u"three", u"four", u"five", u"six"}));
    EXPECT_EQ(canvas.findText(u"four")->color, platform::kWhite);
    EXPECT_EQ(canvas.findText(u"two")->color, platform::kBlack);
    ASSERT_EQ(canvas.fills.size(), 2u);  // the clearing, then the highlight box behind "four"
    EXPECT_EQ(canvas.fills[1].rect.top + 1, canvas.findText(u"four")->rect.top);
}

// Seven rows from the scroll position, the character then its name; odd entries shaded,
// the selected one highlighted, and every length scaled with the DPI.
TEST_F(AllCharsDrawTest, CharacterRowsShowTheCharacterAndItsNameWithShadingThatScrolls) {
    std::vector<int> list(table.size());
    for (int i = 0; i < static_cast<int>(list.size()); ++i) list[static_cast<std::size_t>(i)] = i;
    DrawCharacterList(canvas, characters(list, 2, 1), 221, 189);
    ASSERT_EQ(canvas.texts.size(), 14u + 2u);  // and the badge letters of c and n with acute
    EXPECT_EQ(canvas.texts[0].text, u"\u00E9");
    EXPECT_EQ(canvas.texts[1].text, u"e with acute");
    EXPECT_EQ(canvas.findText(u"i with acute")->color, platform::kWhite);
    std::vector<int> shadedTops;
    for (const sim::FillOp& fill : canvas.fills) {
        if (fill.color == platform::kShade) shadedTops.push_back(fill.rect.top);
    }
    EXPECT_EQ(shadedTops, (std::vector<int>{0, 53, 107, 160}));

    sim::RecordingCanvas large(144);
    DrawCharacterList(large, characters(list, 0, 0), 332, 284);
    EXPECT_EQ(large.findText(u"\u00ED")->rect, (Rect{18, 80 + 3, 52, 120 + 3}));
}

TEST_F(AllCharsDrawTest, UpperCaseAndTheBadgeFollowTheCharacterDrawn) {
    std::vector<int> list = {15, 12};  // sharp s (no capital), d with stroke (outside the code page)
    CharacterListDrawState state = characters(list, 0, 0);
    state.caseSel = 1;
    DrawCharacterList(canvas, state, 221, 189);
    EXPECT_NE(canvas.findText(u"\u00DF"), nullptr);
    EXPECT_NE(canvas.findText(u"\u0110"), nullptr);
    ASSERT_EQ(canvas.ellipses.size(), 1u);
    EXPECT_NE(canvas.findText(u"U"), nullptr);

    canvas.clear();
    state.displayUnicodeSymbol = false;
    DrawCharacterList(canvas, state, 221, 189);
    EXPECT_TRUE(canvas.ellipses.empty());
}

}  // namespace
}  // namespace kz::testing
