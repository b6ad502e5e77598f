// The key popup's rows: candidates, number labels, case, badges and the selection bar,
// drawn into a recording canvas at 96 and 144 dpi.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "charset/character_table.h"
#include "platform/sim/recording_canvas.h"
#include "popup/popup_render.h"

namespace kz {
namespace {

using platform::Picture;
using platform::Rect;
using sim::RecordingCanvas;
using ::testing::ElementsAre;

class PopupRowsTest : public ::testing::Test {
protected:
    PopupRowsTest() {
        table_.assign({
            CharacterRecord{u'\u00E9', u'\u00C9', 1, false, "e with acute"},
            CharacterRecord{u'\u0119', u'\u0118', 3, true, "e with ogonek"},
            CharacterRecord{u'\u00DF', 0, 4, false, "sharp s"},
            CharacterRecord{u'\u0451', u'\u0401', 5, true, "cyrillic io"},
        });
        state_.characters = &table_;
    }

    // Rows 0..count-1 hold the candidates topRow.. of `list`; drawn at `dpi`.
    RecordingCanvas draw(std::u16string_view list, int topRow = 0, int dpi = 96) {
        state_.topRow = topRow;
        for (int r = 0; r < kMaxRows; ++r) {
            const auto index = static_cast<std::size_t>(topRow + r);
            state_.rowText[static_cast<std::size_t>(r)] = index < list.size() ? list[index] : 0;
        }
        RecordingCanvas canvas(dpi);
        DrawRows(canvas, state_, canvas.scale(1695), canvas.scale(3690));
        return canvas;
    }

    CharacterTable table_;
    PopupDrawState state_;
};

TEST_F(PopupRowsTest, RowsAreFortyOnePixelsHighWithTheirNumberLabelsAboveTheMiddle) {
    const RecordingCanvas canvas = draw(u"\u00E9\u00E8");
    EXPECT_EQ(canvas.fills[0].rect, (Rect{0, 0, 113, 246}));  // cleared first
    EXPECT_THAT(canvas.textStrings(), ElementsAre(u"\u00E9", u"1", u"\u00E8", u"2"));
    EXPECT_EQ(canvas.findText(u"\u00E8")->rect, (Rect{0, 41, 113, 82}));
    // 0 + 20.5 - 7 = 13.5 and 41 + 20.5 - 7 = 54.5: halves to the even neighbour.
    EXPECT_EQ(canvas.findText(u"1")->rect, (Rect{3, 14, 17, 28}));
    EXPECT_EQ(canvas.findText(u"2")->rect, (Rect{3, 54, 17, 68}));
}

// Labels number the list, not the rows: the tenth candidate is "0", the eleventh has none
// but is drawn; numbers off, empty rows and the tutorial's five rows draw less.
TEST_F(PopupRowsTest, WhatEachRowShows) {
    struct Case { int topRow; bool numbers; int lastRow; std::vector<std::u16string> texts; };
    const Case cases[] = {
        {4, true, 5, {u"e", u"5", u"f", u"6", u"g", u"7", u"h", u"8", u"i", u"9", u"j", u"0"}},
        {5, true, 5, {u"f", u"6", u"g", u"7", u"h", u"8", u"i", u"9", u"j", u"0", u"k"}},
        {0, false, 5, {u"a", u"b", u"c", u"d", u"e", u"f"}},
        {0, false, 4, {u"a", u"b", u"c", u"d", u"e"}},
        {9, true, 5, {u"j", u"0", u"k"}},
    };
    for (const Case& c : cases) {
        state_.showNumbers = c.numbers;
        state_.lastRow = c.lastRow;
        EXPECT_EQ(draw(u"abcdefghijk", c.topRow).textStrings(), c.texts) << c.topRow;
    }
}

TEST_F(PopupRowsTest, TheSelectionBarSitsBehindTheSelectedRowOrOutOfSight) {
    state_.selected = 4;
    RecordingCanvas canvas = draw(u"abcdefgh", 2);
    ASSERT_EQ(canvas.pictures.size(), 1u);
    EXPECT_EQ(canvas.pictures[0].picture, Picture::SelectionBar);
    EXPECT_EQ(canvas.pictures[0].rect, (Rect{0, 82, 113, 123}));
    EXPECT_LT(canvas.pictures[0].sequence, canvas.texts.front().sequence);
    state_.selected = kNothingSelected;
    canvas = draw(u"ab");
    EXPECT_LT(canvas.pictures[0].rect.bottom, 0);
}

// Upper case draws the partner, or the character itself when it has none or no record;
// the "U" badge marks what lies outside the code page, judged by the drawn character.
TEST_F(PopupRowsTest, CaseAndBadgeFollowTheDrawnCharacterAndTheSetting) {
    state_.caseSel = 1;
    RecordingCanvas canvas = draw(u"\u00E9\u00DFq\u0451\u0119");
    EXPECT_THAT(canvas.textStrings(), ElementsAre(u"\u00C9", u"1", u"\u00DF", u"2", u"q", u"3", u"\u0401",
                                                  u"4", u"U", u"\u0118", u"5", u"U"));
    ASSERT_EQ(canvas.ellipses.size(), 2u);
    EXPECT_EQ(canvas.ellipses[0].bounds, (Rect{92, 123 + 13, 108, 123 + 29}));
    const sim::TextOp& letter = canvas.texts[8];
    EXPECT_EQ(letter.rect, (Rect{93, 123 + 14, 109, 123 + 30}));
    EXPECT_EQ(letter.color, platform::kWhite);
    EXPECT_GT(letter.sequence, canvas.ellipses[0].sequence);  // the letter on the disc

    state_.displayUnicodeSymbol = false;
    EXPECT_TRUE(draw(u"\u0451").ellipses.empty());
    state_.displayUnicodeSymbol = true;
    state_.characters = nullptr;  // no table: drawn as they are, no badge
    EXPECT_THAT(draw(u"\u0119").textStrings(), ElementsAre(u"\u0119", u"1"));
}

TEST_F(PopupRowsTest, At144DpiEveryLengthScalesByOneAndAHalf) {
    state_.selected = 1;
    const RecordingCanvas canvas = draw(u"abc\u0119", 0, 144);
    EXPECT_EQ(canvas.fills[0].rect, (Rect{0, 0, 170, 369}));
    EXPECT_EQ(canvas.findText(u"a")->rect, (Rect{0, 0, 170, 62}));    // 61.5 → 62
    EXPECT_EQ(canvas.findText(u"c")->rect, (Rect{0, 123, 170, 184}));  // 184.5 → 184
    EXPECT_EQ(canvas.pictures[0].rect, (Rect{0, 62, 170, 124}));
    EXPECT_EQ(canvas.findText(u"2")->rect, (Rect{4, 82, 26, 103}));
    ASSERT_EQ(canvas.ellipses.size(), 1u);
    EXPECT_EQ(canvas.ellipses[0].bounds, (Rect{138, 184 + 20, 162, 184 + 44}));
}

}  // namespace
}  // namespace kz
