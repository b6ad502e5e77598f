// The popup window's frame: which pictures the state asks for and where the rows area goes.
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
}

}  // namespace
}  // namespace kz
