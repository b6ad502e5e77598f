// A language's key lists: the body they write and read, and the list operations the
// editor's buttons make on one key's list.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kz::editor
