// The mouse hook's decisions while the popup is shown (what it swallows, what it posts to
// the popup's windows, double clicks, the wheel and clicks outside) and the popup's own
// handlers behind the window's hit test: rows, arrows, "abc" / "ABC" and the
// all-characters screen's characters list.
#include <gtest/gtest.h>

#include "input/mouse_double_click.h"
#include "input_test_rig.h"

namespace kz::testing {
namespace {

namespace msg = mouse_message;

class MouseHandlerTest : public ::testing::Test {
protected:
    void openKeyPopup() { rig.open('A'); }  // eight candidates, six rows
    platform::Rect popupRect() const { return rig.desktop.windowRect(rig.popupWindow); }
    int doubleClicksPosted() const {
        int n = 0;
        for (const sim::PostedMessage& m : rig.desktop.posted()) n += m.message == msg::kLeftDoubleClick;
        return n;
    }
    void setMouse(std::string_view name, std::string_view value) {
        rig.world.registry().writeString(Scope::PerUser, "Control Panel\\Mouse", name, value);
    }

    AllCharsRig rig;
};

// The pixel just past the right edge, and another program's window lying over the
// popup, belong to the application.
TEST_F(MouseHandlerTest, ClicksArePostedOnlyToThePopupsOwnWindows) {
    openKeyPopup();
    const platform::Rect window = popupRect();
    EXPECT_FALSE(rig.mouseEvent(msg::kLeftDown, window.right, window.top + 50));
    rig.mouseEvent(msg::kLeftUp, window.right, window.top + 50);
    rig.desktop.addWindow({window.left, window.top, window.right, window.top + 30});
    EXPECT_FALSE(rig.mouseEvent(msg::kRightDown, window.left + 5, window.top + 5));
    EXPECT_TRUE(rig.desktop.posted().empty());
    EXPECT_TRUE(rig.popup.shown());
}

// Presses on the heading picture do nothing but may make double clicks: within the time
// and distance of the user's settings, read when the popup opens; settings of the wrong
// kind fall back to the system's defaults or to a limit.
TEST_F(MouseHandlerTest, DoubleClicksNeedTheSettingsTimeAndDistance) {
    struct Press { int afterMs, dx, dy, doubleClicks; };
    const auto pressAll = [&](std::initializer_list<Press> presses) {
        const platform::Point p{popupRect().left + 40, popupRect().top + 20};
        rig.click(p);
        for (const Press& press : presses) {
            rig.advance(static_cast<std::uint64_t>(press.afterMs));
            rig.click({p.x + press.dx, p.y + press.dy});
            EXPECT_EQ(doubleClicksPosted(), press.doubleClicks)
                << press.afterMs << " ms, " << press.dx << ", " << press.dy << " pixels";
        }
        rig.tap(vk::kEscape);
        rig.desktop.clearLog();
        rig.advance(1000);
    };
    openKeyPopup();
    pressAll({{300, 2, 2, 1}, {600, 0, 0, 1}, {100, 5, 0, 1}});  // then too late, then too far
    setMouse("DoubleClickSpeed", "200");
    setMouse("DoubleClickWidth", "10");
    openKeyPopup();
    pressAll({{300, 0, 0, 0}, {150, 8, 0, 1}});

    rig.world.registry().setRaw(Scope::PerUser, "Control Panel\\Mouse", "DoubleClickSpeed",
                                platform::RawValue{platform::ValueType::Other, "\x10\x27"});
    setMouse("DoubleClickWidth", "wide");
    setMouse("DoubleClickHeight", "99999999999999");
    const DoubleClickSettings settings = ReadDoubleClickSettings(rig.world.registry());
    EXPECT_EQ(settings.speedMs, 500);
    EXPECT_EQ(settings.width, 0);
    EXPECT_EQ(settings.height, 1'000'000'000);
    EXPECT_TRUE(IsDoubleClick(settings, 10, 500, 2000, 10, 0, 1500));
    EXPECT_FALSE(IsDoubleClick(settings, 11, 500, 2000, 10, 0, 1500));
}

// The wheel scrolls the key popup from anywhere. A precision touchpad sends a notch in
// parts: they add up to 120 per step, and a turn the other way starts the count anew.
TEST_F(MouseHandlerTest, TheWheelScrollsTheKeyPopupFromAnywhere) {
    openKeyPopup();
    EXPECT_TRUE(rig.wheel({900, 700}, -120));  // far outside the popup
    EXPECT_EQ(rig.popup.topRow(), 1);
    EXPECT_EQ(rig.popup.selected(), 1);
    const std::pair<int, int> turns[] = {{-120, 2}, {-120, 2},  // the last candidate shows
                                         {120, 1},  {-40, 1}, {-40, 1}, {-40, 2}, {-60, 2}, {60, 2}, {60, 1}};
    for (const auto& [delta, top] : turns) {
        rig.wheel({5, 5}, delta);
        EXPECT_EQ(rig.popup.topRow(), top) << delta;
    }
    EXPECT_TRUE(rig.applicationMessages.empty());
    EXPECT_TRUE(rig.popup.shown());
}

// At every scale the hook and the popup measure the window as it is drawn: a click on a
// row selects that row, the arrows scroll, and no pixel of the window counts as outside.
TEST(MouseScalingTest, ClicksLandWhereTheyAreDrawnAtEveryScale) {
    for (const int dpi : {96, 120, 144, 168, 192, 216, 240, 288}) {
        SCOPED_TRACE(dpi);
        AllCharsRig rig;
        rig.view.layout.monitors = {
            MonitorInfo{.bounds = {0, 0, 3840, 2160}, .workArea = {0, 0, 3840, 2160}, .dpi = dpi, .primary = true}};
        rig.open('A');  // eight candidates, six rows
        const platform::Rect window = rig.desktop.windowRect(rig.popupWindow);
        for (const platform::Point corner : {platform::Point{window.left, window.top},
                                             platform::Point{window.right - 1, window.bottom - 1}}) {
            EXPECT_TRUE(rig.mouseEvent(msg::kRightDown, corner.x, corner.y));
            rig.mouseEvent(msg::kRightUp, corner.x, corner.y);
        }
        for (int row = 0; row < 6; ++row) {
            rig.click(rig.pointIn(PopupControl::Rows, row * 615 + 307));
            EXPECT_EQ(rig.popup.selected(), row);
        }
        rig.click(rig.pointIn(PopupControl::ArrowDown, 127));
        EXPECT_EQ(rig.popup.topRow(), 1);
        rig.click(rig.pointIn(PopupControl::ArrowUp, 127));
        EXPECT_EQ(rig.popup.topRow(), 0);
        rig.doubleClick(rig.pointIn(PopupControl::Rows, 5 * 615 + 307));
        EXPECT_EQ(rig.typed(), u"\u00E3");

        rig.advance(1000);
        rig.open();  // nine letters in the characters list, seven rows
        for (int row = 0; row < 7; ++row) {
            rig.click(rig.pointIn(PopupControl::CharacterList, row * 400 + 200));
            EXPECT_EQ(rig.screen.gridSel(), row);
        }
        EXPECT_TRUE(rig.popup.shown());
    }
}

// Outside the popup a press closes it, releasing the trigger keys, and still reaches the
// application; moves, releases and the horizontal wheel change nothing.
TEST(MouseOutsideTest, OutsideThePopupOnlyAPressCloses) {
    for (const std::uint32_t message : {msg::kRightDown, msg::kLeftDown, msg::kMove, msg::kLeftUp, 0x20Eu}) {
        SCOPED_TRACE(message);
        AllCharsRig rig;
        rig.altGrTap('A');
        rig.sim.clearLogs();
        const bool closes = message == msg::kRightDown || message == msg::kLeftDown;
        EXPECT_FALSE(rig.mouseEvent(message, 900, 700));
        EXPECT_EQ(rig.popup.shown(), !closes);
        EXPECT_EQ(rig.sim.mouseHookInstalled(), !closes);
        EXPECT_EQ(rig.keyEventsSent().size(), closes ? 16u : 0u);
        EXPECT_TRUE(rig.desktop.posted().empty());
        EXPECT_EQ(rig.typed(), u"");
    }
}

TEST_F(MouseHandlerTest, TheArrowsScrollKeepingTheSelectionInViewAndTheLabelsChooseTheCase) {
    rig.open('A', true);  // the trigger still held: nothing selected
    ASSERT_EQ(rig.popup.selected(), kNothingSelected);
    rig.click(rig.pointIn(PopupControl::ArrowUp, 100));  // inactive: nothing above
    EXPECT_EQ(rig.popup.topRow(), 0);
    EXPECT_EQ(rig.popup.selected(), kNothingSelected);
    rig.click(rig.pointIn(PopupControl::ArrowDown, 100));
    EXPECT_EQ(rig.popup.topRow(), 1);
    EXPECT_EQ(rig.popup.selected(), 1);
    EXPECT_EQ(rig.popup.rowText(0), u'\u00E1');
    rig.click(rig.pointIn(PopupControl::ArrowDown, 100));
    rig.click(rig.pointIn(PopupControl::ArrowDown, 100));  // now inactive: the last one shows
    EXPECT_EQ(rig.popup.topRow(), 2);
    rig.click(rig.pointIn(PopupControl::Rows, 5 * 615 + 10));
    EXPECT_EQ(rig.popup.selected(), 7);
    rig.click(rig.pointIn(PopupControl::ArrowUp, 100));  // keeps the selection in view
    EXPECT_EQ(rig.popup.topRow(), 1);
    EXPECT_EQ(rig.popup.selected(), 6);

    // The case labels choose the case, in the key popup and in the all-characters screen.
    rig.click(rig.pointIn(PopupControl::CaseUpper, 50));
    EXPECT_EQ(rig.popup.caseSel(), 1);
    rig.click(rig.pointIn(PopupControl::CaseLower, 50));
    EXPECT_EQ(rig.popup.caseSel(), 0);
    rig.sim.release(vk::kRMenu);
    rig.sim.tap(vk::kEscape);

    rig.open();
    const int redraws = rig.view.listRedraws;
    rig.click(rig.pointIn(PopupControl::CaseUpper, 50));
    EXPECT_EQ(rig.popup.caseSel(), 1);
    EXPECT_GT(rig.view.listRedraws, redraws);
    rig.doubleClick(rig.pointIn(PopupControl::CharacterList, 400 + 100));
    EXPECT_EQ(rig.typed(), u"\u00C9");
}

}  // namespace
}  // namespace kz::testing
