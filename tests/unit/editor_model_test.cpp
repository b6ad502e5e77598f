#include "editor_fixture.h"

#include "editor/editor_texts.h"

namespace kz::testing {
namespace {

// A user value comes before the built-in body, with Reset still possible; a name neither
// stored nor built in is an empty language; a malformed value loads what can be read.
TEST_F(EditorTest, AStoredValueComesBeforeTheBuiltInBodyAndLoadsWhatCanBeRead) {
    storeLanguage("french", "u 00FA");
    auto& e = open("French");
    EXPECT_TRUE(e.resetEnabled());
    EXPECT_EQ(e.keyLists().body(AnsiTable(codePage)), "u 00FA");
    auto& mine = open("Mine");
    EXPECT_FALSE(mine.resetEnabled());
    EXPECT_TRUE(mine.keyLists().empty());

    storeLanguage("Junk", "e zz;;;;\xFF 12345;;\xC3\xA9 00E9;;;;x" + std::string(100000, '0'));
    auto& junk = open("Junk");
    // "12345": the group 1234 and the short last group 5; the long line of zeros gives
    // one character U+0000 on the key x.
    EXPECT_EQ(junk.keyLists()[0xE9], CandidateList{0x00E9});
    EXPECT_EQ(junk.keyLists()['x'], CandidateList{0x0000});
    EXPECT_TRUE(junk.keyLists()['e'].empty());
}

TEST_F(EditorTest, BodyRoundTripKeepsOrderAndACharacterWithoutARecord) {
    auto& e = open("French");
    e.selectKey(kKeyC);
    ASSERT_EQ(e.rightList().entries().size(), 1u);
    EXPECT_FALSE(e.rightList().entries()[0].record);  // ç has no record, yet it is listed
    EXPECT_EQ(e.drawnCode(e.rightList().entries()[0]), 0x00E7);

    e.selectKey(kKeyE);
    e.leftListMouseDown(2 * 400);  // í
    e.pressAddRemove(0);           // after é
    EXPECT_EQ(e.rightList().selection(), 1u);
    e.pressMove(1);  // í below è
    e.selectKey(kKeyU);
    e.leftListMouseDown(4 * 400 + 5);  // ú
    e.pressAddRemove(0);
    EXPECT_TRUE(e.pressButton(0));

    const std::string body = "a 00E0;;c 00E7;;e 00E900E800ED;;u 00FA";
    EXPECT_EQ(stored("French"), body);
    EXPECT_EQ(e.editedLanguageName(), "French");

    auto& again = open("French");
    EXPECT_EQ(again.keyLists().body(AnsiTable(codePage)), body);
    again.selectKey(kKeyE);
    EXPECT_EQ(again.selectedKeyList(), (CandidateList{0x00E9, 0x00E8, 0x00ED}));
}

// Adding a character the key already has shows a message; another key may have it.
TEST_F(EditorTest, AddingACharacterTheKeyHasShowsTheDuplicateMessage) {
    auto& e = open("French");
    e.selectKey(kKeyE);
    e.leftListMouseDown(400);  // é
    e.pressAddRemove(0);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, editor::kDuplicateCharacter);
    EXPECT_EQ(messages.shown()[0].title, "Kelvra Zavora");
    EXPECT_EQ(messages.shown()[0].owner, RecordingEditorView::kWindow);
    EXPECT_EQ(messages.shown()[0].kind, sim::ShownMessageBox::Kind::Information);
    EXPECT_EQ(e.selectedKeyList(), (CandidateList{0x00E9, 0x00E8}));
    e.selectKey(kKeyA);  // another key may have it
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
    EXPECT_TRUE(e.leftList().entries().empty());
    e.pressAddRemove(0);
    e.pressAddRemove(1);
    for (int move = 0; move < 4; ++move) e.pressMove(move);
    EXPECT_TRUE(e.keyLists().empty());
    EXPECT_TRUE(e.rightList().entries().empty());
    EXPECT_EQ(e.rightList().selection(), 0u);
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
    e.pressAddRemove(1);
    EXPECT_EQ(e.selectedKeyList(), (CandidateList{0x00E1, 0x00E9}));
    e.rightListMouseDown(0);
    e.rightListDoubleClick();
    EXPECT_EQ(e.selectedKeyList(), CandidateList{0x00E9});
    EXPECT_EQ(view.focus.back(), "right");
    e.leftListMouseDown(0);
    e.leftListDoubleClick();
    EXPECT_EQ(e.selectedKeyList(), (CandidateList{0x00E9, 0x00E1}));
    EXPECT_EQ(view.focus.back(), "left");
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
    EXPECT_EQ(e.selectedType(), 1);
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
    e.MouseWheel(120, editor::ListSide::Right);
    EXPECT_EQ(e.rightList().scrollValue(), 0);

    e.rightScrollChanged(1);
    e.rightListKey(editor::ListKey::Up);
    EXPECT_EQ(e.rightList().selection(), 6u);
    e.selectKey(kKeyA);
    e.selectKey(kKeyE);
    EXPECT_EQ(e.rightList().selection(), 0u);
    EXPECT_EQ(e.rightList().scrollValue(), 0);
}

}  // namespace
}  // namespace kz::testing
