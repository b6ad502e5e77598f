#include "editor/character_list.h"

#include <algorithm>

namespace kz::editor {

void CharacterList::setEntries(std::vector<ListEntry> entries) {
    entries_ = std::move(entries);
    scrollMaximum_ = std::max(static_cast<int>(entries_.size()) - kVisibleRows, 0);
    scrollValue_ = 0;
}

void CharacterList::setScrollValue(int value) {
    scrollValue_ = std::clamp(value, 0, scrollMaximum_);
}

void CharacterList::mouseDown(int y) {
    const auto row = static_cast<std::size_t>(std::max(y, 0) / kRowHeight);
    selection_ = std::min(static_cast<std::size_t>(scrollValue_) + row, lastIndex());
}

void CharacterList::keyDown(ListKey key) {
    long long selection = static_cast<long long>(selection_);
    switch (key) {
    case ListKey::Down: selection += 1; break;
    case ListKey::Up: selection -= 1; break;
    case ListKey::PageDown: selection += kVisibleRows; break;
    case ListKey::PageUp: selection -= kVisibleRows; break;
    }
    selection_ = static_cast<std::size_t>(std::clamp(selection, 0LL, static_cast<long long>(lastIndex())));
    const int shown = static_cast<int>(selection_);
    if (shown < scrollValue_) {
        setScrollValue(shown);
    } else if (shown > scrollValue_ + kVisibleRows - 1) {
        setScrollValue(shown - (kVisibleRows - 1));
    }
}

void CharacterList::wheel(int rotation) {
    if (rotation >= 0) {
        setScrollValue(std::max(scrollValue_ - 3, 0));
    } else {
        setScrollValue(std::min(scrollValue_ + 4, scrollMaximum_));
    }
}

}  // namespace kz::editor
