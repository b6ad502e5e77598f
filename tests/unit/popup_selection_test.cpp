// The key popup's selection and scrolling arithmetic (`selectRow`).
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
        rig.popup.selectRow(kNothingSelected);
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

// Selecting a candidate scrolls it into the six rows and turns the arrows; requests
// beyond either end are clamped; short and empty lists leave rows empty.
TEST_F(SelectionTest, SelectingScrollsTheRowsAndTurnsTheArrows) {
    struct Case { CandidateList list; std::vector<int> requests; int selected, top; std::u16string rows;
                  bool up, down; };
    const Case cases[] = {
        {eight, {kNothingSelected}, kNothingSelected, 0, u"012345", false, true},
        {eight, {7}, 7, 2, u"234567", true, false},
        {eight, {7, 1}, 1, 1, u"123456", true, true},
        {eight, {20}, 7, 2, u"234567", true, false},
        {eight, {7, -5}, 0, 0, u"012345", false, true},
        {{u'a', u'b'}, {5}, 1, 0, u"ab....", false, false},
    };
    for (const Case& c : cases) {
        load(c.list);
        for (int request : c.requests) rig.popup.selectRow(request);
        const std::string trace = "request " + std::to_string(c.requests.back());
        EXPECT_EQ(rig.popup.selected(), c.selected) << trace;
        EXPECT_EQ(rig.popup.topRow(), c.top) << trace;
        EXPECT_EQ(rows(), c.rows) << trace;
        EXPECT_EQ(rig.popup.upArrowActive(), c.up) << trace;
        EXPECT_EQ(rig.popup.downArrowActive(), c.down) << trace;
    }
    load({});
    EXPECT_EQ(rig.popup.selected(), -1);
    EXPECT_EQ(rows(), u"......");
}

// Beside the tutorial five rows show in a shorter window at the tutorial's lower right,
// which grows back without it; a lone candidate is not inserted by itself there.
TEST_F(SelectionTest, TheTutorialLeavesFiveRowsAndAShorterWindow) {
    FakeTutorial tutorial;
    rig.tutorial.set(&tutorial);
    rig.settings.autoInsert = true;
    rig.withHeld(vk::kRMenu, 'Y');
    ASSERT_TRUE(rig.popup.shown());
    EXPECT_EQ(rig.typed(), u"");
    EXPECT_EQ(rig.popup.bounds().heightTwips, 4920);
    // 1500 + 7000 - 2 * 18 - 375 - 2175, and 1500 + 6000 - 4920 - 165 - (2 * 18 + 3).
    EXPECT_EQ(rig.popup.bounds().leftTwips, 5914);
    EXPECT_EQ(rig.popup.bounds().topTwips, 2376);
    load(eight);
    EXPECT_EQ(rows(), u"01234");
    rig.popup.selectRow(5);
    EXPECT_EQ(rig.popup.topRow(), 1);
    const int shorter = rig.popup.bounds().heightTwips;
    rig.tutorial.set(nullptr);
    rig.popup.selectRow(5);
    EXPECT_EQ(rig.popup.bounds().heightTwips, shorter + 615);
}

}  // namespace
}  // namespace kz::testing
