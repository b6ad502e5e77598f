// Drawing the key popup's rows into a recording canvas: candidates, number labels, case
// and badges.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "charset/character_table.h"
#include "platform/sim/recording_canvas.h"
#include "popup/popup_render.h"

namespace kz {
namespace {

using sim::RecordingCanvas;
using ::testing::ElementsAre;

class PopupRowsTest : public ::testing::Test {
protected:
    PopupRowsTest() {
        table_.assign({{u'\u00E9', u'\u00C9', 1, false, "e with acute"}, {u'\u00DF', 0, 4, false, "sharp s"},
                       {u'\u0119', u'\u0118', 3, true, "e with ogonek"},
                       {u'\u0451', u'\u0401', 5, true, "cyrillic io"}});
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

// Upper case draws the partner, or the character itself when it has none or no record;
// the "U" badge marks what lies outside the code page, judged by the drawn character.
TEST_F(PopupRowsTest, CaseAndBadgeFollowTheDrawnCharacterAndTheSetting) {
    state_.caseSel = 1;
    RecordingCanvas canvas = draw(u"\u00E9\u00DFq\u0451\u0119");
    EXPECT_THAT(canvas.textStrings(), ElementsAre(u"\u00C9", u"1", u"\u00DF", u"2", u"q", u"3", u"\u0401",
                                                  u"4", u"U", u"\u0118", u"5", u"U"));
    ASSERT_EQ(canvas.ellipses.size(), 2u);
    EXPECT_GT(canvas.texts[8].sequence, canvas.ellipses[0].sequence);  // the letter on the disc

    state_.displayUnicodeSymbol = false;
    EXPECT_TRUE(draw(u"\u0451").ellipses.empty());
    state_.displayUnicodeSymbol = true;
    state_.characters = nullptr;  // no table: drawn as they are, no badge
    EXPECT_THAT(draw(u"\u0119").textStrings(), ElementsAre(u"\u0119", u"1"));
}

}  // namespace
}  // namespace kz
