// The key popup's selection and scrolling arithmetic (`makeselected`).
#include <gtest/gtest.h>

#include "input_test_rig.h"

namespace kz::testing {
namespace {

class SelectionTest : public ::testing::Test {
protected:
    void load(const CandidateList& list) {
        rig.popup.setTopRow(0);
        rig.popup.setKeyChars(list);
        rig.popup.setMode(1);
        rig.popup.makeselected(kNothingSelected);
    }
    std::u16string rows() const {
        std::u16string text;
        for (int r = 0; r <= rig.popup.lastRow(); ++r) {
            text.push_back(rig.popup.rowText(r) ? rig.popup.rowText(r) : u'.');
        }
        return text;
    }
    InputRig rig;
    const CandidateList eight{u'0', u'1', u'2', u'3', u'4', u'5', u'6', u'7'};
};

TEST_F(SelectionTest, OpeningShowsTheFirstSixWithNothingHighlighted) {
    load(eight);
    EXPECT_EQ(rows(), u"012345");
    EXPECT_EQ(rig.popup.selected(), kNothingSelected);
    EXPECT_FALSE(rig.popup.upArrowActive());
    EXPECT_TRUE(rig.popup.downArrowActive());
}

TEST_F(SelectionTest, SelectingBelowTheRowsScrollsAndTurnsTheArrows) {
    load(eight);
    const int redraws = rig.view.redraws;
    rig.popup.makeselected(7);
    EXPECT_EQ(rig.popup.topRow(), 2);
    EXPECT_EQ(rows(), u"234567");
    EXPECT_TRUE(rig.popup.upArrowActive());
    EXPECT_FALSE(rig.popup.downArrowActive());
    EXPECT_EQ(rig.view.redraws, redraws + 1);

    rig.popup.makeselected(1);  // above the rows: scrolls back up to it
    EXPECT_EQ(rig.popup.topRow(), 1);
    EXPECT_EQ(rows(), u"123456");
    EXPECT_TRUE(rig.popup.downArrowActive());
}

TEST_F(SelectionTest, RequestsBeyondEitherEndAreClamped) {
    load(eight);
    rig.popup.makeselected(20);
    EXPECT_EQ(rig.popup.selected(), 7);
    rig.popup.makeselected(-5);
    EXPECT_EQ(rig.popup.selected(), 0);
    EXPECT_EQ(rig.popup.topRow(), 0);
}

TEST_F(SelectionTest, ShortAndEmptyLists) {
    load({u'a', u'b'});
    EXPECT_EQ(rows(), u"ab....");
    EXPECT_FALSE(rig.popup.downArrowActive());
    load({});
    EXPECT_EQ(rig.popup.selected(), -1);
    EXPECT_EQ(rows(), u"......");
}

TEST_F(SelectionTest, TheTutorialLeavesFiveRowsAndAShorterWindow) {
    FakeTutorial tutorial;
    rig.tutorial.set(&tutorial);
    load(eight);
    EXPECT_EQ(rig.popup.lastRow(), 4);
    EXPECT_EQ(rows(), u"01234");
    EXPECT_EQ(rig.popup.bounds().heightTwips, 4920);
    rig.popup.makeselected(5);
    EXPECT_EQ(rig.popup.topRow(), 1);

    rig.tutorial.set(nullptr);
    rig.popup.makeselected(5);
    EXPECT_EQ(rig.popup.bounds().heightTwips, 5535);
}

TEST_F(SelectionTest, TheDrawStateCarriesTheModelAndTheSettings) {
    load(eight);
    rig.settings.showNumbers = false;
    rig.popup.makeselected(6);
    rig.popup.makeselected_case(1);
    const PopupDrawState state = rig.popup.drawState();
    EXPECT_EQ(state.selected, 6);
    EXPECT_EQ(state.topRow, 1);
    EXPECT_EQ(state.caseSel, 1);
    EXPECT_EQ(state.rowText[0], u'1');
    EXPECT_FALSE(state.showNumbers);
    EXPECT_EQ(state.characters, &rig.characters);
}

}  // namespace
}  // namespace kz::testing
