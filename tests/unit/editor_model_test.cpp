#include "editor_fixture.h"

#include "editor/editor_texts.h"

namespace kz::testing {
namespace {

// Adding a character the key already has shows a message; another key may have it. A
// character without a record is listed all the same.
TEST_F(EditorTest, AddingACharacterTheKeyHasShowsTheDuplicateMessage) {
    auto& e = open("French");
    e.selectKey(kKeyC);
    ASSERT_EQ(e.rightList().entries().size(), 1u);
    EXPECT_FALSE(e.rightList().entries()[0].record);  // ç
    EXPECT_EQ(e.drawnCode(e.rightList().entries()[0]), 0x00E7);
    e.selectKey(kKeyE);
    e.leftListMouseDown(400);  // é
    e.pressAddRemove(0);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, editor::kDuplicateCharacter);
    EXPECT_EQ(messages.shown()[0].owner, RecordingEditorView::kWindow);
    EXPECT_EQ(e.selectedKeyList(), (CandidateList{0x00E9, 0x00E8}));
    e.selectKey(kKeyA);
    e.pressAddRemove(0);
    EXPECT_EQ(e.selectedKeyList(), (CandidateList{0x00E0, 0x00E9}));
    EXPECT_EQ(messages.shown().size(), 1u);

    // An upper-case character is kept, shown by its record, and is not its lower case.
    storeLanguage("Caps", "e 00C9");
    auto& caps = open("Caps");
    caps.selectKey(kKeyE);
    const auto& entry = caps.rightList().entries().at(0);
    EXPECT_EQ(entry.code, 0x00C9);
    EXPECT_EQ(caps.drawnCode(entry), 0x00E9);
    EXPECT_EQ(caps.recordOf(entry)->name, "e with acute");
    caps.leftListMouseDown(400);
    caps.pressAddRemove(0);
    EXPECT_EQ(caps.selectedKeyList(), (CandidateList{0x00C9, 0x00E9}));
    EXPECT_EQ(messages.shown().size(), 1u);
}

TEST_F(EditorTest, AddFromAnEmptyTypeAndRemoveFromAnEmptyKeyChangeNothing) {
    auto& e = open();
    e.selectType(2);
    e.pressAddRemove(0);
    e.pressAddRemove(1);
    for (int move = 0; move < 4; ++move) e.pressMove(move);
    EXPECT_TRUE(e.keyLists().empty());
    EXPECT_TRUE(messages.shown().empty());
}

// The buttons reach the list operations in the order Up, Down, Top, Bottom; a double
// click adds or removes and leaves the focus on the list clicked.
TEST_F(EditorTest, ButtonsAndDoubleClicksWorkOnTheSelectedUnit) {
    auto& e = open();
    e.selectKey(kKeyA);
    for (int row = 0; row < 3; ++row) {  // á é í, each after the one before
        e.leftListMouseDown(row * 400);
        e.pressAddRemove(0);
    }
    const std::pair<int, CandidateList> moves[] = {
        {2, {0x00ED, 0x00E1, 0x00E9}}, {1, {0x00E1, 0x00ED, 0x00E9}},
        {3, {0x00E1, 0x00E9, 0x00ED}}, {0, {0x00E1, 0x00ED, 0x00E9}}};
    for (const auto& [button, list] : moves) {
        e.pressMove(button);
        EXPECT_EQ(e.selectedKeyList(), list) << "button " << button;
    }
    e.rightListMouseDown(0);
    e.rightListDoubleClick();
    EXPECT_EQ(e.selectedKeyList(), (CandidateList{0x00ED, 0x00E9}));
    EXPECT_EQ(view.focus.back(), "right");
    e.leftListMouseDown(0);
    e.leftListDoubleClick();
    EXPECT_EQ(e.selectedKeyList(), (CandidateList{0x00ED, 0x00E1, 0x00E9}));
    EXPECT_EQ(view.focus.back(), "left");
    e.selectKey(kKeyE);  // a key's list takes the focus
    EXPECT_EQ(view.focus.back(), "right");
}

// Choosing the same type again keeps the left selection, another type starts at its top;
// the wheel scrolls only the focused list; clicking a key shows its list from the top.
TEST_F(EditorTest, TheWheelScrollsTheFocusedListAndAnotherTypeOrKeyShowsItsListFromTheTop) {
    auto& e = open();
    e.leftListMouseDown(3 * 400);
    e.selectType(0);
    EXPECT_EQ(e.leftList().selection(), 3u);
    e.selectType(1);
    EXPECT_EQ(e.leftList().selection(), 0u);
    e.selectType(0);
    e.selectKey(kKeyE);
    for (int row = 0; row < 6; ++row) {
        e.leftListMouseDown(row * 400);
        e.pressAddRemove(0);
    }
    e.selectType(1);
    e.leftListDoubleClick();
    e.leftListKey(editor::ListKey::Down);
    e.leftListDoubleClick();  // eight characters: the right list can scroll one row
    ASSERT_EQ(e.rightList().scrollMaximum(), 1);
    e.MouseWheel(-120, std::nullopt);  // the name box has the focus
    EXPECT_EQ(e.rightList().scrollValue(), 0);
    e.MouseWheel(-120, editor::ListSide::Right);
    EXPECT_EQ(e.rightList().scrollValue(), 1);
    e.MouseWheel(-120, editor::ListSide::Left);  // two grave characters: cannot scroll
    EXPECT_EQ(e.leftList().scrollValue(), 0);
    e.rightListKey(editor::ListKey::Up);
    EXPECT_EQ(e.rightList().selection(), 6u);
    e.selectKey(kKeyA);
    e.selectKey(kKeyE);
    EXPECT_EQ(e.rightList().selection(), 0u);
    EXPECT_EQ(e.rightList().scrollValue(), 0);
}

}  // namespace
}  // namespace kz::testing
