// The popup window's frame: which pictures the state asks for, where the rows area goes,
// and the frame at 144 dpi.
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

// The rows are drawn in their own area, below the upper arrow strip and above the lower
// one; five rows (the tutorial is open) shorten the window by a row.
TEST(PopupPaint, TheRowsGoIntoTheirAreaBetweenTheArrowStrips) {
    PopupDrawState state;
    state.rowText = {u'a', u'b', 0, 0, 0, 0};
    state.selected = 0;
    RecordingCanvas canvas = Painted(state);
    EXPECT_EQ(canvas.fills.front().rect, (Rect{0, 0, 145, 369}));
    const sim::TextOp* a = canvas.findText(u"a");
    ASSERT_TRUE(a && a->area.has_value());
    EXPECT_EQ(*a->area, (Rect{16, 106, 129, 352}));
    EXPECT_EQ(a->area->top, FindPicture(canvas, Picture::ArrowUpInactive)->rect.bottom + 1);
    EXPECT_EQ(a->area->bottom, FindPicture(canvas, Picture::ArrowDownInactive)->rect.top);
    EXPECT_EQ(a->rect, (Rect{0, 0, 113, 41}));
    EXPECT_EQ(FindPicture(canvas, Picture::SelectionBar)->area, a->area);
    EXPECT_FALSE(canvas.findText(u"abc")->area.has_value()) << "the case labels are on the frame";

    state.lastRow = 4;
    canvas = Painted(state);
    EXPECT_EQ(canvas.fills.front().rect, (Rect{0, 0, 145, 328}));
    EXPECT_EQ(FindPicture(canvas, Picture::SelectionBar)->area, (Rect{16, 106, 129, 311}));
}

TEST(PopupPaint, At144DpiTheFrameScalesAndLinesStayWhole) {
    PopupDrawState state;
    state.rowText = {u'a', 0, 0, 0, 0, 0};
    const RecordingCanvas canvas = Painted(state, 144);
    EXPECT_EQ(canvas.fills.front().rect, (Rect{0, 0, 218, 554}));  // 217.5 and 553.5
    EXPECT_EQ(FindPicture(canvas, Picture::Heading)->rect, (Rect{24, 12, 194, 75}));
    EXPECT_EQ(*canvas.findText(u"a")->area, (Rect{24, 159, 194, 528}));
    // The bottom line is a pixel at 96 dpi, so two at 144 (1.5 to the even side).
    EXPECT_EQ(canvas.fills.back().rect, (Rect{0, 552, 444, 554}));
}

TEST(PopupPaint, AllCharactersScreenDrawsTheWiderFrameOnly) {
    PopupDrawState state;
    state.mode = 2;
    state.rowText = {u'a', 0, 0, 0, 0, 0};
    const RecordingCanvas canvas = Painted(state);
    EXPECT_EQ(canvas.fills.front().rect, (Rect{0, 0, 289, 441}));
    EXPECT_EQ(canvas.findText(u"a"), nullptr);
    EXPECT_EQ(FindPicture(canvas, Picture::SelectionBar), nullptr);
    EXPECT_EQ(FindPicture(canvas, Picture::ArrowUpInactive), nullptr);
    EXPECT_EQ(FindPicture(canvas, Picture::CornerRight)->rect, (Rect{272, 0, 289, 2}));
}

}  // namespace
}  // namespace kz
