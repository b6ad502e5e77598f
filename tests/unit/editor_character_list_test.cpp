#include <gtest/gtest.h>

#include "editor/character_list.h"

namespace kz::editor {
namespace {

CharacterList ListOf(std::size_t count) {
    CharacterList list;
    list.setEntries(std::vector<ListEntry>(count, ListEntry{u'x', std::nullopt}));
    return list;
}

// Seven rows show: the scroll range lets the last entry reach the bottom row, and new
// entries show from the top. Keys and clicks select and scroll the selection into view,
// the scroll value stays within its range, and the wheel scrolls three rows up and four
// down without selecting.
TEST(EditorCharacterList, KeysClicksAndTheWheelSelectAndScrollWithinTheRange) {
    enum Op { Scroll, Key, Click, Wheel, Fill };
    struct Step { Op op; int arg; std::size_t selection; int scroll; };  // and the state after it
    using enum ListKey;
    const std::pair<std::size_t, std::vector<Step>> scripts[] = {
        {10, {{Scroll, 9, 0, 3}, {Scroll, -2, 0, 0}, {Scroll, 2, 0, 2}, {Fill, 12, 0, 0}}},
        {7, {{Scroll, 1, 0, 0}}},
        {3, {{Scroll, 1, 0, 0}, {Key, int(PageDown), 2, 0}, {Key, int(PageUp), 0, 0}, {Key, int(Up), 0, 0},
             {Click, 6 * 400 + 10, 2, 0}}},  // below the last entry: the last
        {10, {{Click, 5 * 400 + 10, 5, 0}, {Key, int(Down), 6, 0}, {Key, int(Down), 7, 1},
              {Key, int(PageDown), 9, 3}, {Key, int(PageUp), 2, 2}}},  // 2 lay above the top row
        {10, {{Scroll, 2, 0, 2}, {Click, 399, 2, 2}, {Click, 1200, 5, 2}}},
        {0, {{Click, 800, 0, 0}}},
        {20, {{Scroll, 10, 0, 10}, {Wheel, 120, 0, 7}, {Wheel, 0, 0, 4}, {Wheel, -120, 0, 8},
              {Wheel, -120, 0, 12}, {Wheel, -120, 0, 13}, {Scroll, 2, 0, 2}, {Wheel, 120, 0, 0}}},
    };
    for (const auto& [count, steps] : scripts) {
        CharacterList list = ListOf(count);
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const Step& step = steps[i];
            switch (step.op) {
                case Scroll: list.setScrollValue(step.arg); break;
                case Key: list.keyDown(static_cast<ListKey>(step.arg)); break;
                case Click: list.mouseDown(step.arg); break;
                case Wheel: list.wheel(step.arg); break;
                case Fill: list.setEntries(std::vector<ListEntry>(static_cast<std::size_t>(step.arg))); break;
            }
            EXPECT_EQ(list.selection(), step.selection) << count << " entries, step " << i;
            EXPECT_EQ(list.scrollValue(), step.scroll) << count << " entries, step " << i;
        }
    }
}

}  // namespace
}  // namespace kz::editor
