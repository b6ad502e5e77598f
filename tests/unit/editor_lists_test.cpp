// The editor's lists: a language's key lists with the body they write and the operations
// the buttons make on one key's list, and the scrolling list that shows characters.
#include <gtest/gtest.h>

#include "editor/character_list.h"
#include "editor/key_lists.h"
#include "platform/sim/code_page.h"

namespace kz::editor {
namespace {

class KeyListsTest : public ::testing::Test {
protected:
    sim::Windows1252CodePage codePage;
    AnsiTable ansi{codePage};
    KeyLists lists;
};

TEST_F(KeyListsTest, BodyHasAscendingKeysUpperCaseHexAndNoTrailingSeparator) {
    EXPECT_TRUE(lists.empty());
    EXPECT_EQ(lists.body(ansi), "");
    lists[0] = {0x00E9};  // key zero is never written
    EXPECT_TRUE(lists.empty());
    lists['e'] = {0x00E9, 0x0117};
    lists['!'] = {0x00A1};
    lists['a'] = {0x00E0, 0xFFFF, 0x000A};
    lists[0xA3] = {0x20AC};  // the shifted "3" of a UK keyboard: £
    EXPECT_EQ(lists.body(ansi), "! 00A1;;a 00E0FFFF000A;;e 00E90117;;\xC2\xA3 20AC");
}

// Each operation on "abcd" (or the empty list) at a selection: the list after it and the
// unit selected then.
TEST(KeyListOperations, EachOperationLeavesTheListAndTheSelection) {
    enum Op { Insert, Remove, Up, Down, Top, Bottom };
    struct Case { std::u16string list; Op op; std::size_t at; std::u16string after; std::size_t selected; };
    const Case cases[] = {
        {u"", Insert, 0, u"x", 0},        {u"abcd", Insert, 0, u"axbcd", 1},
        {u"abcd", Insert, 3, u"abcdx", 4},
        {u"abcd", Remove, 1, u"acd", 1},  {u"abcd", Remove, 3, u"abc", 2},
        {u"a", Remove, 0, u"", 0},        {u"", Remove, 0, u"", 0},
        {u"abcd", Up, 0, u"abcd", 0},     {u"abcd", Up, 2, u"acbd", 1},
        {u"abcd", Down, 3, u"abcd", 3},   {u"abcd", Down, 0, u"bacd", 1},
        {u"abcd", Top, 2, u"cabd", 0},    {u"abcd", Top, 0, u"abcd", 0},
        {u"abcd", Bottom, 1, u"acdb", 3}, {u"abcd", Bottom, 3, u"abcd", 3},
        {u"", Up, 0, u"", 0},             {u"", Down, 0, u"", 0},
        {u"", Top, 0, u"", 0},            {u"", Bottom, 0, u"", 0},
    };
    for (const Case& c : cases) {
        CandidateList list(c.list.begin(), c.list.end());
        std::size_t selected = 0;
        switch (c.op) {
            case Insert: selected = InsertAfter(list, c.at, u'x'); break;
            case Remove: selected = RemoveAt(list, c.at); break;
            case Up: selected = MoveUnit(list, c.at, Move::Up); break;
            case Down: selected = MoveUnit(list, c.at, Move::Down); break;
            case Top: selected = MoveUnit(list, c.at, Move::ToTop); break;
            case Bottom: selected = MoveUnit(list, c.at, Move::ToBottom); break;
        }
        const std::string trace = "op " + std::to_string(c.op) + " at " + std::to_string(c.at);
        EXPECT_EQ(std::u16string(list.begin(), list.end()), c.after) << trace;
        EXPECT_EQ(selected, c.selected) << trace;
    }
}

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
