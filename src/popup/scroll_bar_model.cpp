#include "popup/scroll_bar_model.h"

#include <algorithm>
#include <cmath>

namespace kz {

void ScrollBarModel::setMin(int min) {
    min_ = min;
    store(value_);
}

void ScrollBarModel::setMax(int max) {
    max_ = max;
    store(value_);
}

bool ScrollBarModel::store(int value) {
    const int clamped = std::clamp(value, std::min(min_, max_), std::max(min_, max_));
    if (clamped == value_) return false;
    value_ = clamped;
    return true;
}

void ScrollBarModel::setValue(int value) {
    if (store(value) && onChange_) onChange_();
}

void ScrollBarModel::scrollTo(int value) {
    if (store(value) && onScroll_) onScroll_();
}

std::optional<int> ThumbDragValue(int y, int heightPixels, int min, int max, int largeChange) {
    const int range = max - min;
    if (range == 0) return std::nullopt;
    const double divisor = range <= 10 ? 10.5 : static_cast<double>(range);
    const int thumb =
        static_cast<int>(std::floor((heightPixels - 32) * static_cast<double>(largeChange) / divisor));
    const int track = heightPixels - 32 - thumb;
    if (track == 0) return std::nullopt;
    const double position = min + (y - (16 + thumb / 2.0)) * range / static_cast<double>(track);
    const int value = static_cast<int>(std::floor(position));
    if (value < min || value > max) return std::nullopt;
    return value;
}

}  // namespace kz
