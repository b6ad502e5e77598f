#pragma once
// The vertical scroll bar beside each list of the all-characters screen: its value is the
// index of the list's entry in the first visible row. This is what the popup asks of it;
// the window side shows it with a standard scroll bar and reports the user's scrolling
// through scrollTo.
#include <functional>
#include <optional>

#include "platform/handles.h"

namespace kz {

class ScrollBarModel {
public:
    using Notification = std::function<void()>;

    int min() const { return min_; }
    int max() const { return max_; }
    int value() const { return value_; }
    int largeChange() const { return largeChange_; }  // the rows the list shows
    int heightPixels() const { return heightPixels_; }
    platform::WindowHandle window() const { return window_; }

    // The minimum may lie above the maximum (a list shorter than its page); the value is
    // then kept between the two whichever is larger.
    void setMin(int min);
    void setMax(int max);
    void setLargeChange(int rows) { largeChange_ = rows; }
    void setHeightPixels(int pixels) { heightPixels_ = pixels; }
    void setWindow(platform::WindowHandle window) { window_ = window; }

    // The program sets the value: the thumb moves and onChange fires when it changed.
    void setValue(int value);
    // The user scrolled (arrows, track, thumb): the value and onScroll.
    void scrollTo(int value);

    // The two value-changed notifications; the popup treats them alike.
    void onChange(Notification notification) { onChange_ = std::move(notification); }
    void onScroll(Notification notification) { onScroll_ = std::move(notification); }

private:
    bool store(int value);

    int min_ = 0;
    int max_ = 0;
    int value_ = 0;
    int largeChange_ = 1;
    int heightPixels_ = 0;
    platform::WindowHandle window_ = 0;
    Notification onChange_;
    Notification onScroll_;
};

// Dragging the thumb to `y` pixels from the bar's top: the value that position stands for,
// or nothing when the bar has no range or the position lies beyond either end. The arrow
// buttons are 16 pixels long at each end.
std::optional<int> ThumbDragValue(int y, int heightPixels, int min, int max, int largeChange);

}  // namespace kz
