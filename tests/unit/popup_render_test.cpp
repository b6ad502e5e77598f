// Drawing the key popup into a recording canvas: its rows (candidates, number labels,
// case, badges and the selection bar) and its frame (the pictures the state asks for and
// where the rows area goes).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

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

// Rows follow each other without gaps at every scale, a label is centred on its row, and
// the selection bar lies behind its row (or out of sight).
TEST_F(PopupRowsTest, RowsTileTheAreaAndTheSelectionBarSitsBehindItsRow) {
    for (const int dpi : {96, 144}) {
        state_.selected = 3;
        const RecordingCanvas canvas = draw(u"abcdefgh", 2, dpi);
        const Rect c = canvas.findText(u"c")->rect, d = canvas.findText(u"d")->rect;
        EXPECT_EQ(c.bottom, d.top) << dpi;
        EXPECT_EQ(canvas.fills[0].rect, (Rect{0, 0, canvas.scale(1695), canvas.scale(3690)}));
        const Rect label = canvas.findText(u"4")->rect;
        EXPECT_LE(std::abs(label.top + label.bottom - d.top - d.bottom), 2) << dpi;
        ASSERT_EQ(canvas.pictures.size(), 1u);
        EXPECT_EQ(canvas.pictures[0].rect.top, d.top) << dpi;
        EXPECT_LE(std::abs(canvas.pictures[0].rect.bottom - d.bottom), 1) << dpi;
        EXPECT_LT(canvas.pictures[0].sequence, canvas.texts.front().sequence);
    }
    state_.selected = kNothingSelected;
    EXPECT_LT(draw(u"ab").pictures[0].rect.bottom, 0);
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

const sim::PictureOp* FindPicture(const RecordingCanvas& canvas, Picture picture) {
    const auto found = std::find_if(canvas.pictures.begin(), canvas.pictures.end(),
                                    [&](const sim::PictureOp& op) { return op.picture == picture; });
    return found == canvas.pictures.end() ? nullptr : &*found;
}

RecordingCanvas Painted(const PopupDrawState& state, int dpi = 96) {
    RecordingCanvas canvas(dpi);
    PaintPopup(canvas, state);
    return canvas;
}

TEST(PopupPaint, ArrowsAndCaseMarkerFollowTheState) {
    struct Case { bool up, down; int caseSel; Picture upPicture, downPicture; int markerLeft; };
    const Case cases[] = {
        {false, false, 0, Picture::ArrowUpInactive, Picture::ArrowDownInactive, 24},
        {true, false, 1, Picture::ArrowUpActive, Picture::ArrowDownInactive, 64},
        {false, true, 0, Picture::ArrowUpInactive, Picture::ArrowDownActive, 24},
    };
    for (const Case& c : cases) {
        PopupDrawState state;
        state.upArrowActive = c.up;
        state.downArrowActive = c.down;
        state.caseSel = c.caseSel;
        const RecordingCanvas canvas = Painted(state);
        std::vector<Picture> arrows;
        for (const sim::PictureOp& op : canvas.pictures) {
            if (op.picture >= Picture::ArrowUpActive && op.picture <= Picture::ArrowDownInactive) {
                arrows.push_back(op.picture);
            }
        }
        EXPECT_EQ(arrows, (std::vector<Picture>{c.upPicture, c.downPicture})) << c.up << c.down;
        EXPECT_EQ(FindPicture(canvas, Picture::CaseMarker)->rect.left, c.markerLeft);
    }
}

// The rows are drawn in their own area, right below the upper arrow strip and above the
// lower one, at every scale; five rows (the tutorial is open) shorten the window by a row.
TEST(PopupPaint, TheRowsGoIntoTheirAreaBetweenTheArrowStrips) {
    PopupDrawState state;
    state.rowText = {u'a', u'b', 0, 0, 0, 0};
    state.selected = 0;
    for (const int dpi : {96, 144}) {
        const RecordingCanvas canvas = Painted(state, dpi);
        const sim::TextOp* a = canvas.findText(u"a");
        ASSERT_TRUE(a && a->area.has_value());
        EXPECT_EQ(a->area->top, FindPicture(canvas, Picture::ArrowUpInactive)->rect.bottom + 1) << dpi;
        EXPECT_EQ(a->area->bottom, FindPicture(canvas, Picture::ArrowDownInactive)->rect.top) << dpi;
        EXPECT_EQ(FindPicture(canvas, Picture::SelectionBar)->area, a->area);
        EXPECT_FALSE(canvas.findText(u"abc")->area.has_value()) << "the case labels are on the frame";
        // The bottom line closes the window whole.
        EXPECT_EQ(canvas.fills.back().rect.bottom, canvas.fills.front().rect.bottom) << dpi;
    }
    EXPECT_EQ(Painted(state).fills.front().rect, (Rect{0, 0, 145, 369}));
    state.lastRow = 4;
    EXPECT_EQ(Painted(state).fills.front().rect, (Rect{0, 0, 145, 328}));

    state.mode = 2;  // the all-characters screen: the wider frame only
    const RecordingCanvas canvas = Painted(state);
    EXPECT_EQ(canvas.fills.front().rect, (Rect{0, 0, 289, 441}));
    EXPECT_EQ(canvas.findText(u"a"), nullptr);
    EXPECT_EQ(FindPicture(canvas, Picture::SelectionBar), nullptr);
    EXPECT_EQ(FindPicture(canvas, Picture::ArrowUpInactive), nullptr);
}

}  // namespace
}  // namespace kz
