#include <gtest/gtest.h>

#include "editor/character_list.h"

namespace kz::editor {
namespace {

CharacterList ListOf(std::size_t count) {
    CharacterList list;
    list.setEntries(std::vector<ListEntry>(count, ListEntry{u'x', std::nullopt}));
    return list;
}

TEST(EditorCharacterList, ScrollRangeLetsTheLastEntryReachTheBottomRow) {
    EXPECT_EQ(ListOf(3).scrollMaximum(), 0);
    EXPECT_EQ(ListOf(7).scrollMaximum(), 0);
    EXPECT_EQ(ListOf(10).scrollMaximum(), 3);
    CharacterList list = ListOf(10);
    list.setScrollValue(9);
    EXPECT_EQ(list.scrollValue(), 3);
    list.setScrollValue(-2);
    EXPECT_EQ(list.scrollValue(), 0);
    list.setScrollValue(2);
    list.setEntries(std::vector<ListEntry>(12));
    EXPECT_EQ(list.scrollValue(), 0);  // new entries show from the top
}

TEST(EditorCharacterList, PageDownOnAShortListSelectsTheLastAndCannotScroll) {
    CharacterList list = ListOf(3);
    list.keyDown(ListKey::PageDown);
    EXPECT_EQ(list.selection(), 2u);
    EXPECT_EQ(list.scrollValue(), 0);
    list.keyDown(ListKey::PageUp);
    EXPECT_EQ(list.selection(), 0u);
    list.keyDown(ListKey::Up);
    EXPECT_EQ(list.selection(), 0u);
}

TEST(EditorCharacterList, DownKeepsTheSelectionInTheBottomRow) {
    CharacterList list = ListOf(10);
    for (int i = 0; i < 6; ++i) list.keyDown(ListKey::Down);
    EXPECT_EQ(list.selection(), 6u);
    EXPECT_EQ(list.scrollValue(), 0);
    list.keyDown(ListKey::Down);
    EXPECT_EQ(list.selection(), 7u);
    EXPECT_EQ(list.scrollValue(), 1);
    list.keyDown(ListKey::PageDown);
    EXPECT_EQ(list.selection(), 9u);
    EXPECT_EQ(list.scrollValue(), 3);
    list.keyDown(ListKey::PageUp);  // 2 lies above the top row
    EXPECT_EQ(list.selection(), 2u);
    EXPECT_EQ(list.scrollValue(), 2);
}

TEST(EditorCharacterList, ClicksSelectTheRowUnderTheMouseOrTheLastEntry) {
    CharacterList list = ListOf(10);
    list.setScrollValue(2);
    list.mouseDown(399);
    EXPECT_EQ(list.selection(), 2u);
    list.mouseDown(1200);
    EXPECT_EQ(list.selection(), 5u);
    CharacterList shortList = ListOf(3);
    shortList.mouseDown(6 * 400 + 10);
    EXPECT_EQ(shortList.selection(), 2u);
    CharacterList empty = ListOf(0);
    empty.mouseDown(800);
    EXPECT_EQ(empty.selection(), 0u);
}

TEST(EditorCharacterList, TheWheelScrollsThreeUpAndFourDownWithinTheRange) {
    CharacterList list = ListOf(20);  // maximum 13
    list.setScrollValue(10);
    list.wheel(120);
    EXPECT_EQ(list.scrollValue(), 7);
    list.wheel(0);
    EXPECT_EQ(list.scrollValue(), 4);
    list.wheel(-120);
    EXPECT_EQ(list.scrollValue(), 8);
    list.wheel(-120);
    list.wheel(-120);
    EXPECT_EQ(list.scrollValue(), 13);
    list.setScrollValue(2);
    list.wheel(120);
    EXPECT_EQ(list.scrollValue(), 0);
    EXPECT_EQ(list.selection(), 0u);  // the wheel scrolls, it does not select
}

}  // namespace
}  // namespace kz::editor
