// The popup window's frame: pictures, case selector, arrow strips, lines and the rows
// area, placed from the window design at 96 and 144 dpi.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/sim/recording_canvas.h"
#include "popup/popup_render.h"

namespace kz {
namespace {

using platform::Picture;
using platform::Rect;
using sim::RecordingCanvas;

const sim::PictureOp* FindPicture(const RecordingCanvas& canvas, Picture picture) {
    const auto found = std::find_if(canvas.pictures.begin(), canvas.pictures.end(),
                                    [&](const sim::PictureOp& op) { return op.picture == picture; });
    return found == canvas.pictures.end() ? nullptr : &*found;
}

int CountPicture(const RecordingCanvas& canvas, Picture picture) {
    return static_cast<int>(std::count_if(canvas.pictures.begin(), canvas.pictures.end(),
                                          [&](const sim::PictureOp& op) { return op.picture == picture; }));
}

TEST(PopupLayout, KeyPopupHeightsFollowTheRowCount) {
    const PopupLayout six = KeyPopupLayout(5);
    EXPECT_EQ(six.width, 2175);
    EXPECT_EQ(six.height, 5535);
    EXPECT_EQ(six.rows, (TwipsBox{240, 1590, 1695, 3690}));
    EXPECT_EQ(six.arrowDown.top, 5280);
    EXPECT_EQ(six.bottomLineY, 5520);

    const PopupLayout five = KeyPopupLayout(4);
    EXPECT_EQ(five.height, 4920);
    EXPECT_EQ(five.rows.height, 3075);
    EXPECT_EQ(five.arrowDown.top, 4665);
    EXPECT_EQ(five.bottomLineY, 4905);
}

TEST(PopupLayout, AllCharactersScreenMovesTheSharedPieces) {
    const PopupLayout layout = LayoutForMode(2, 5);
    EXPECT_EQ(layout.width, 4335);
    EXPECT_EQ(layout.height, 6615);
    EXPECT_EQ(layout.cornerRight.left, 4080);
    EXPECT_EQ(layout.heading.left, 1320);
    EXPECT_EQ(layout.marker[0].left, 1440);
    EXPECT_EQ(layout.marker[1].left, 2040);
    EXPECT_EQ(layout.label[0].left, 1560);
    EXPECT_EQ(layout.label[1].left, 2160);
    EXPECT_EQ(layout.bottomLineY, 6600);
    EXPECT_TRUE(layout.listShown);
    EXPECT_EQ(layout.list, (TwipsBox{360, 1320, 3735, 5245}));
    EXPECT_FALSE(layout.rowsShown);
    EXPECT_FALSE(layout.arrowsShown);
}

TEST(PopupPaint, KeyPopupAt96Dpi) {
    PopupDrawState state;
    state.rowText = {u'a', u'b', 0, 0, 0, 0};
    state.selected = 0;
    RecordingCanvas canvas(96);
    PaintPopup(canvas, state);

    EXPECT_EQ(canvas.fills.front().rect, (Rect{0, 0, 145, 369}));  // white background first
    EXPECT_EQ(canvas.fills.front().color, platform::kWhite);
    EXPECT_EQ(FindPicture(canvas, Picture::CornerLeft)->rect, (Rect{0, 0, 17, 2}));
    EXPECT_EQ(FindPicture(canvas, Picture::CornerRight)->rect, (Rect{128, 0, 145, 2}));
    EXPECT_EQ(FindPicture(canvas, Picture::Heading)->rect, (Rect{16, 8, 129, 50}));
    EXPECT_EQ(FindPicture(canvas, Picture::CaseMarker)->rect, (Rect{24, 64, 80, 84}));
    EXPECT_EQ(FindPicture(canvas, Picture::ArrowUpInactive)->rect, (Rect{16, 88, 129, 105}));
    EXPECT_EQ(FindPicture(canvas, Picture::ArrowDownInactive)->rect, (Rect{16, 352, 129, 369}));
    EXPECT_EQ(canvas.findText(u"abc")->rect, (Rect{32, 66, 73, 83}));
    EXPECT_EQ(canvas.findText(u"ABC")->rect, (Rect{72, 66, 113, 83}));
    EXPECT_EQ(canvas.findText(u"abc")->font, CaseLabelFont());

    // The rows go into pic1's area, in its own coordinates.
    const sim::TextOp* a = canvas.findText(u"a");
    ASSERT_NE(a, nullptr);
    ASSERT_TRUE(a->area.has_value());
    EXPECT_EQ(*a->area, (Rect{16, 106, 129, 352}));
    EXPECT_EQ(a->rect, (Rect{0, 0, 113, 41}));
    EXPECT_EQ(FindPicture(canvas, Picture::SelectionBar)->area, a->area);
    EXPECT_FALSE(canvas.findText(u"abc")->area.has_value());

    // Grey lines across the top and above the bottom edge, one pixel thick.
    std::vector<Rect> lines;
    for (const sim::FillOp& op : canvas.fills)
        if (op.color == platform::kGrey) lines.push_back(op.rect);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], (Rect{0, 0, 296, 1}));
    EXPECT_EQ(lines[1], (Rect{0, 368, 296, 369}));
}

TEST(PopupPaint, ArrowsAndMarkerFollowTheState) {
    PopupDrawState state;
    state.upArrowActive = true;
    state.downArrowActive = false;
    state.caseSel = 1;
    RecordingCanvas canvas(96);
    PaintPopup(canvas, state);
    EXPECT_EQ(CountPicture(canvas, Picture::ArrowUpActive), 1);
    EXPECT_EQ(CountPicture(canvas, Picture::ArrowUpInactive), 0);
    EXPECT_EQ(CountPicture(canvas, Picture::ArrowDownInactive), 1);
    EXPECT_EQ(CountPicture(canvas, Picture::ArrowDownActive), 0);
    EXPECT_EQ(CountPicture(canvas, Picture::CaseMarker), 1);
    EXPECT_EQ(FindPicture(canvas, Picture::CaseMarker)->rect, (Rect{64, 64, 120, 84}));

    canvas.clear();
    state.upArrowActive = false;
    state.downArrowActive = true;
    PaintPopup(canvas, state);
    EXPECT_EQ(CountPicture(canvas, Picture::ArrowUpInactive), 1);
    EXPECT_EQ(CountPicture(canvas, Picture::ArrowDownActive), 1);
}

TEST(PopupPaint, FiveRowsMoveTheLowerStripAndTheLine) {
    PopupDrawState state;
    state.lastRow = 4;
    RecordingCanvas canvas(96);
    PaintPopup(canvas, state);
    EXPECT_EQ(canvas.fills.front().rect, (Rect{0, 0, 145, 328}));
    EXPECT_EQ(FindPicture(canvas, Picture::ArrowDownInactive)->rect, (Rect{16, 311, 129, 328}));
    EXPECT_EQ(FindPicture(canvas, Picture::SelectionBar)->area, (Rect{16, 106, 129, 311}));
}

TEST(PopupPaint, KeyPopupAt144Dpi) {
    PopupDrawState state;
    state.rowText = {u'a', 0, 0, 0, 0, 0};
    RecordingCanvas canvas(144);
    PaintPopup(canvas, state);

    EXPECT_EQ(canvas.fills.front().rect, (Rect{0, 0, 218, 554}));  // 217.5 and 553.5
    EXPECT_EQ(FindPicture(canvas, Picture::Heading)->rect, (Rect{24, 12, 194, 75}));
    EXPECT_EQ(FindPicture(canvas, Picture::CaseMarker)->rect, (Rect{36, 96, 120, 126}));
    const sim::TextOp* a = canvas.findText(u"a");
    EXPECT_EQ(*a->area, (Rect{24, 159, 194, 528}));
    EXPECT_EQ(a->rect, (Rect{0, 0, 170, 62}));
    EXPECT_EQ(FindPicture(canvas, Picture::ArrowDownInactive)->rect, (Rect{24, 528, 194, 554}));
    // The bottom line is a pixel at 96 dpi, so two at 144 (1.5 to the even side).
    const sim::FillOp& line = canvas.fills.back();
    EXPECT_EQ(line.rect, (Rect{0, 552, 444, 554}));
}

TEST(PopupPaint, AllCharactersScreenDrawsTheFrameOnly) {
    PopupDrawState state;
    state.mode = 2;
    state.rowText = {u'a', 0, 0, 0, 0, 0};
    RecordingCanvas canvas(96);
    PaintPopup(canvas, state);
    EXPECT_EQ(canvas.fills.front().rect, (Rect{0, 0, 289, 441}));
    EXPECT_EQ(canvas.findText(u"a"), nullptr);
    EXPECT_EQ(CountPicture(canvas, Picture::SelectionBar), 0);
    EXPECT_EQ(CountPicture(canvas, Picture::ArrowUpInactive) + CountPicture(canvas, Picture::ArrowUpActive), 0);
    EXPECT_EQ(FindPicture(canvas, Picture::Heading)->rect.left, 88);
    EXPECT_EQ(FindPicture(canvas, Picture::CornerRight)->rect, (Rect{272, 0, 289, 2}));
}

}  // namespace
}  // namespace kz
