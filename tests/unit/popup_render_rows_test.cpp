// `redraw` of the key popup: the rows' rectangles, number labels, case and badges, drawn
// into a recording canvas at 96 and 144 dpi.
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
            CharacterRecord{u'\u00E8', u'\u00C8', 2, false, "e with grave"},
            CharacterRecord{u'\u0119', u'\u0118', 3, true, "e with ogonek"},
            CharacterRecord{u'\u00DF', 0, 4, false, "sharp s"},
            CharacterRecord{u'\u0451', u'\u0401', 5, true, "cyrillic io"},
        });
        state_.characters = &table_;
    }

    // Rows 0..count-1 hold the candidates topRow.. of `list`.
    void show(std::u16string_view list, int topRow) {
        state_.topRow = topRow;
        for (int r = 0; r < kMaxRows; ++r) {
            const int index = topRow + r;
            state_.rowText[static_cast<std::size_t>(r)] =
                index < static_cast<int>(list.size()) ? list[static_cast<std::size_t>(index)] : 0;
        }
    }

    void draw(RecordingCanvas& canvas) { DrawRows(canvas, state_, canvas.scale(1695), canvas.scale(3690)); }

    std::vector<std::u16string> labels(const RecordingCanvas& canvas) {
        std::vector<std::u16string> result;
        for (const sim::TextOp& op : canvas.texts)
            if (op.font == NumberFont() && op.text != u"U") result.push_back(op.text);
        return result;
    }

    CharacterTable table_;
    PopupDrawState state_;
};

TEST_F(PopupRowsTest, RowsAreFortyOnePixelsHighAt96Dpi) {
    show(u"\u00E9\u00E8\u00EA\u00EB", 0);
    RecordingCanvas canvas(96);
    draw(canvas);

    ASSERT_EQ(canvas.fills.size(), 1u);
    EXPECT_EQ(canvas.fills[0].rect, (Rect{0, 0, 113, 246}));  // cleared first
    const std::vector<sim::TextOp>& t = canvas.texts;
    ASSERT_EQ(t.size(), 8u);  // four characters, four labels
    EXPECT_EQ(t[0].text, u"\u00E9");
    EXPECT_EQ(t[0].rect, (Rect{0, 0, 113, 41}));
    EXPECT_EQ(t[0].flags, platform::kTextCenter | platform::kTextNoPrefix);
    EXPECT_EQ(t[0].font, CandidateFont());
    EXPECT_EQ(t[0].color, platform::kBlack);
    EXPECT_EQ(t[2].text, u"\u00E8");
    EXPECT_EQ(t[2].rect, (Rect{0, 41, 113, 82}));
    EXPECT_EQ(t[6].rect, (Rect{0, 123, 113, 164}));
}

TEST_F(PopupRowsTest, NumberLabelsSitSevenPixelsAboveTheRowMiddle) {
    show(u"\u00E9\u00E8", 0);
    RecordingCanvas canvas(96);
    draw(canvas);

    const sim::TextOp* first = canvas.findText(u"1");
    const sim::TextOp* second = canvas.findText(u"2");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    // 0 + 20.5 - 7 = 13.5 and 41 + 20.5 - 7 = 54.5: halves to the even neighbour.
    EXPECT_EQ(first->rect, (Rect{3, 14, 17, 28}));
    EXPECT_EQ(second->rect, (Rect{3, 54, 17, 68}));
    EXPECT_EQ(first->color, platform::kGrey);
    EXPECT_EQ(first->flags, platform::kTextCenter | platform::kTextNoPrefix);
}

TEST_F(PopupRowsTest, LabelsFollowTheListNotTheRow) {
    const std::u16string list = u"abcdefghijk";  // eleven candidates
    RecordingCanvas canvas(96);

    show(list, 4);
    draw(canvas);
    EXPECT_THAT(labels(canvas), ElementsAre(u"5", u"6", u"7", u"8", u"9", u"0"));

    canvas.clear();
    show(list, 5);
    draw(canvas);
    EXPECT_THAT(labels(canvas), ElementsAre(u"6", u"7", u"8", u"9", u"0"));  // the 11th has none
    EXPECT_EQ(canvas.findText(u"k")->rect.top, 205);  // the unlabelled row is still drawn
}

TEST_F(PopupRowsTest, NoLabelsWhenNumbersAreOff) {
    state_.showNumbers = false;
    show(u"\u00E9\u00E8", 0);
    RecordingCanvas canvas(96);
    draw(canvas);
    EXPECT_THAT(canvas.textStrings(), ElementsAre(u"\u00E9", u"\u00E8"));
}

TEST_F(PopupRowsTest, EmptyRowsDrawNothing) {
    show(u"\u00E9", 0);
    RecordingCanvas canvas(96);
    draw(canvas);
    EXPECT_THAT(canvas.textStrings(), ElementsAre(u"\u00E9", u"1"));
}

TEST_F(PopupRowsTest, FiveRowsWhileTheTutorialIsOpen) {
    state_.lastRow = 4;
    show(u"abcdefgh", 0);
    RecordingCanvas canvas(96);
    draw(canvas);
    EXPECT_EQ(canvas.findText(u"f"), nullptr);
    EXPECT_NE(canvas.findText(u"e"), nullptr);
}

TEST_F(PopupRowsTest, SelectionBarSitsOnTheSelectedRow) {
    show(u"abcdefgh", 2);
    state_.selected = 4;
    RecordingCanvas canvas(96);
    draw(canvas);
    ASSERT_EQ(canvas.pictures.size(), 1u);
    EXPECT_EQ(canvas.pictures[0].picture, Picture::SelectionBar);
    EXPECT_EQ(canvas.pictures[0].rect, (Rect{0, 82, 113, 123}));
    EXPECT_LT(canvas.pictures[0].sequence, canvas.texts.front().sequence);  // behind the text
}

TEST_F(PopupRowsTest, NothingSelectedPutsTheBarOutsideTheArea) {
    show(u"ab", 0);
    state_.selected = kNothingSelected;
    RecordingCanvas canvas(96);
    draw(canvas);
    ASSERT_EQ(canvas.pictures.size(), 1u);
    EXPECT_EQ(canvas.pictures[0].rect.top, -4100);
    EXPECT_LT(canvas.pictures[0].rect.bottom, 0);
}

TEST_F(PopupRowsTest, UpperCaseDrawsThePartnerOrTheCharacterItself) {
    show(u"\u00E9\u00DFq", 0);
    state_.caseSel = 1;
    RecordingCanvas canvas(96);
    draw(canvas);
    // é has É; ß has no partner; q is not in the table at all.
    EXPECT_NE(canvas.findText(u"\u00C9"), nullptr);
    EXPECT_NE(canvas.findText(u"\u00DF"), nullptr);
    EXPECT_NE(canvas.findText(u"q"), nullptr);
    EXPECT_EQ(canvas.findText(u"\u00E9"), nullptr);
}

TEST_F(PopupRowsTest, CharactersOutsideTheCodePageGetTheBadge) {
    show(u"\u00E9\u0119\u0451", 0);
    RecordingCanvas canvas(96);
    draw(canvas);

    ASSERT_EQ(canvas.ellipses.size(), 2u);
    EXPECT_EQ(canvas.ellipses[0].bounds, (Rect{92, 41 + 13, 108, 41 + 29}));  // centred at 100, row top + 21
    EXPECT_EQ(canvas.ellipses[0].fill, platform::kGrey);
    EXPECT_EQ(canvas.ellipses[1].bounds.top, 82 + 13);
    std::vector<const sim::TextOp*> letters;
    for (const sim::TextOp& op : canvas.texts)
        if (op.text == u"U") letters.push_back(&op);
    ASSERT_EQ(letters.size(), 2u);
    EXPECT_EQ(letters[0]->rect, (Rect{93, 41 + 14, 109, 41 + 30}));
    EXPECT_EQ(letters[0]->color, platform::kWhite);
    EXPECT_EQ(letters[0]->font, NumberFont());
    EXPECT_GT(letters[0]->sequence, canvas.ellipses[0].sequence);  // the letter on the disc
}

TEST_F(PopupRowsTest, BadgeFollowsTheDrawnCharacterAndTheSetting) {
    show(u"\u0451", 0);
    state_.caseSel = 1;  // Ё: found through its lower-case record, which is unicode-only
    RecordingCanvas canvas(96);
    draw(canvas);
    EXPECT_NE(canvas.findText(u"\u0401"), nullptr);
    EXPECT_EQ(canvas.ellipses.size(), 1u);

    canvas.clear();
    state_.displayUnicodeSymbol = false;
    draw(canvas);
    EXPECT_TRUE(canvas.ellipses.empty());
    EXPECT_EQ(canvas.findText(u"U"), nullptr);
}

TEST_F(PopupRowsTest, WithoutACharacterTableCandidatesAreDrawnAsTheyAre) {
    state_.characters = nullptr;
    state_.caseSel = 1;
    show(u"\u0119", 0);
    RecordingCanvas canvas(96);
    draw(canvas);
    EXPECT_THAT(canvas.textStrings(), ElementsAre(u"\u0119", u"1"));
    EXPECT_TRUE(canvas.ellipses.empty());
}

TEST_F(PopupRowsTest, At144DpiEveryLengthScalesByOneAndAHalf) {
    show(u"abcd", 0);
    state_.selected = 1;
    const std::u16string withBadge = u"\u0119";
    state_.rowText[3] = withBadge[0];
    RecordingCanvas canvas(144);
    draw(canvas);

    EXPECT_EQ(canvas.fills[0].rect, (Rect{0, 0, 170, 369}));
    EXPECT_EQ(canvas.findText(u"a")->rect, (Rect{0, 0, 170, 62}));    // 61.5 → 62
    EXPECT_EQ(canvas.findText(u"b")->rect, (Rect{0, 62, 170, 123}));
    EXPECT_EQ(canvas.findText(u"c")->rect, (Rect{0, 123, 170, 184}));  // 184.5 → 184
    EXPECT_EQ(canvas.pictures[0].rect, (Rect{0, 62, 170, 124}));       // 113 × 41 pixels at 96
    // Row middle 30.75 pixels below the top, label 10.5 above it.
    EXPECT_EQ(canvas.findText(u"1")->rect, (Rect{4, 20, 26, 41}));
    EXPECT_EQ(canvas.findText(u"2")->rect, (Rect{4, 82, 26, 103}));
    ASSERT_EQ(canvas.ellipses.size(), 1u);
    EXPECT_EQ(canvas.ellipses[0].bounds, (Rect{138, 184 + 20, 162, 184 + 44}));
    EXPECT_EQ(canvas.findText(u"a")->font, CandidateFont());  // the same request; the canvas scales it
}

}  // namespace
}  // namespace kz
