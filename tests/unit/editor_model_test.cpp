#include "editor_fixture.h"

#include "editor/editor_texts.h"

namespace kz::testing {
namespace {

TEST_F(EditorTest, AUserValueComesBeforeTheBuiltInBodyButResetStaysPossible) {
    storeLanguage("french", "u 00FA");
    auto& e = open("French");
    EXPECT_TRUE(e.resetEnabled());
    EXPECT_EQ(e.keyLists().body(AnsiTable(codePage)), "u 00FA");
    auto& mine = open("Mine");  // neither stored nor built in: an empty language
    EXPECT_FALSE(mine.resetEnabled());
    EXPECT_TRUE(mine.keyLists().empty());
}

TEST_F(EditorTest, BodyRoundTripKeepsOrderAndACharacterWithoutARecord) {
    auto& e = open("French");
    e.cmd_keyb_Click(kKeyC);
    ASSERT_EQ(e.rightList().entries().size(), 1u);
    EXPECT_FALSE(e.rightList().entries()[0].record);  // ç has no record, yet it is listed
    EXPECT_EQ(e.drawnCode(e.rightList().entries()[0]), 0x00E7);

    e.cmd_keyb_Click(kKeyE);
    e.Picture1_MouseDown(2 * 400);  // í
    e.cmd_swap_Click(0);            // after é
    EXPECT_EQ(e.rightList().selection(), 1u);
    e.cmd_move_Click(1);  // í below è
    e.cmd_keyb_Click(kKeyU);
    e.Picture1_MouseDown(4 * 400 + 5);  // ú
    e.cmd_swap_Click(0);
    EXPECT_TRUE(e.cmd_Click(0));

    const std::string body = "a 00E0;;c 00E7;;e 00E900E800ED;;u 00FA";
    EXPECT_EQ(stored("French"), body);
    EXPECT_EQ(e.editedLanguageName(), "French");

    auto& again = open("French");
    EXPECT_EQ(again.keyLists().body(AnsiTable(codePage)), body);
    again.cmd_keyb_Click(kKeyE);
    EXPECT_EQ(again.selectedKeyList(), (CandidateList{0x00E9, 0x00E8, 0x00ED}));
}

TEST_F(EditorTest, AMalformedStoredLanguageLoadsWhatCanBeRead) {
    storeLanguage("Junk", "e zz;;;;\xFF 12345;;\xC3\xA9 00E9;;;;x" + std::string(100000, '0'));
    auto& e = open("Junk");
    // "12345": the group 1234 and the short last group 5; the long line of zeros gives
    // one character U+0000 on the key x.
    EXPECT_EQ(e.keyLists()[0xE9], CandidateList{0x00E9});
    EXPECT_EQ(e.keyLists()['x'], CandidateList{0x0000});
    EXPECT_TRUE(e.keyLists()['e'].empty());
}

TEST_F(EditorTest, AnUpperCaseCharacterIsKeptButShownByItsRecord) {
    storeLanguage("Caps", "e 00C9");
    auto& e = open("Caps");
    e.cmd_keyb_Click(kKeyE);
    const auto& entry = e.rightList().entries().at(0);
    EXPECT_EQ(entry.code, 0x00C9);
    EXPECT_EQ(e.drawnCode(entry), 0x00E9);
    EXPECT_EQ(e.recordOf(entry)->name, "e with acute");
    e.Picture1_MouseDown(400);
    e.cmd_swap_Click(0);  // é is not É: it is added
    EXPECT_EQ(e.selectedKeyList(), (CandidateList{0x00C9, 0x00E9}));
}

TEST_F(EditorTest, AddingACharacterTheKeyHasShowsTheDuplicateMessage) {
    auto& e = open("French");
    e.cmd_keyb_Click(kKeyE);
    e.Picture1_MouseDown(400);  // é
    e.cmd_swap_Click(0);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, editor::kDuplicateCharacter);
    EXPECT_EQ(messages.shown()[0].title, "Kelvra Zavora");
    EXPECT_EQ(messages.shown()[0].owner, RecordingEditorView::kWindow);
    EXPECT_EQ(messages.shown()[0].kind, sim::ShownMessageBox::Kind::Information);
    EXPECT_EQ(e.selectedKeyList(), (CandidateList{0x00E9, 0x00E8}));
    e.cmd_keyb_Click(kKeyA);  // another key may have it
    e.cmd_swap_Click(0);
    EXPECT_EQ(e.selectedKeyList(), (CandidateList{0x00E0, 0x00E9}));
    EXPECT_EQ(messages.shown().size(), 1u);
}

TEST_F(EditorTest, AddFromAnEmptyTypeAndRemoveFromAnEmptyKeyChangeNothing) {
    auto& e = open();
    e.List1_Click(2);
    EXPECT_TRUE(e.leftList().entries().empty());
    e.cmd_swap_Click(0);
    e.cmd_swap_Click(1);
    for (int move = 0; move < 4; ++move) e.cmd_move_Click(move);
    EXPECT_TRUE(e.keyLists().empty());
    EXPECT_TRUE(e.rightList().entries().empty());
    EXPECT_EQ(e.rightList().selection(), 0u);
    EXPECT_TRUE(messages.shown().empty());
}

// The buttons reach the list operations in the order Up, Down, Top, Bottom; a double
// click adds or removes and leaves the focus on the list clicked.
TEST_F(EditorTest, ButtonsAndDoubleClicksWorkOnTheSelectedUnit) {
    auto& e = open();
    e.cmd_keyb_Click(kKeyA);
    for (int row = 0; row < 3; ++row) {  // á é í, each after the one before
        e.Picture1_MouseDown(row * 400);
        e.cmd_swap_Click(0);
    }
    const std::pair<int, CandidateList> moves[] = {
        {2, {0x00ED, 0x00E1, 0x00E9}}, {1, {0x00E1, 0x00ED, 0x00E9}},
        {3, {0x00E1, 0x00E9, 0x00ED}}, {0, {0x00E1, 0x00ED, 0x00E9}}};
    for (const auto& [button, list] : moves) {
        e.cmd_move_Click(button);
        EXPECT_EQ(e.selectedKeyList(), list) << "button " << button;
    }
    e.cmd_swap_Click(1);
    EXPECT_EQ(e.selectedKeyList(), (CandidateList{0x00E1, 0x00E9}));
    e.Picture2_MouseDown(0);
    e.Picture2_DblClick();
    EXPECT_EQ(e.selectedKeyList(), CandidateList{0x00E9});
    EXPECT_EQ(view.focus.back(), "right");
    e.Picture1_MouseDown(0);
    e.Picture1_DblClick();
    EXPECT_EQ(e.selectedKeyList(), (CandidateList{0x00E9, 0x00E1}));
    EXPECT_EQ(view.focus.back(), "left");
}

TEST_F(EditorTest, ClickingAKeyShowsItsListFromTheTop) {
    auto& e = open();
    e.cmd_keyb_Click(kKeyE);
    for (int row = 0; row < 6; ++row) {
        e.Picture1_MouseDown(row * 400);
        e.cmd_swap_Click(0);
    }
    e.List1_Click(1);
    e.Picture1_DblClick();
    e.Picture1_KeyDown(editor::ListKey::Down);
    e.Picture1_DblClick();  // eight characters: the right list can scroll one row
    EXPECT_EQ(e.rightList().scrollMaximum(), 1);
    e.VScroll2_Change(1);
    e.Picture2_KeyDown(editor::ListKey::Up);
    EXPECT_EQ(e.rightList().selection(), 6u);
    e.cmd_keyb_Click(kKeyA);
    e.cmd_keyb_Click(kKeyE);
    EXPECT_EQ(e.rightList().selection(), 0u);
    EXPECT_EQ(e.rightList().scrollValue(), 0);
}

TEST_F(EditorTest, TheWheelScrollsOnlyTheFocusedList) {
    auto& e = open();
    e.cmd_keyb_Click(kKeyE);
    for (int type = 0; type < 2; ++type) {
        e.List1_Click(type);
        for (std::size_t row = 0; row < e.leftList().entries().size(); ++row) {
            e.Picture1_MouseDown(static_cast<int>(row) * 400);
            e.cmd_swap_Click(0);
        }
    }
    ASSERT_EQ(e.rightList().scrollMaximum(), 1);
    e.MouseWheel(-120, std::nullopt);  // the name box has the focus
    EXPECT_EQ(e.rightList().scrollValue(), 0);
    e.MouseWheel(-120, editor::ListSide::Right);
    EXPECT_EQ(e.rightList().scrollValue(), 1);
    e.MouseWheel(-120, editor::ListSide::Left);  // two grave characters: cannot scroll
    EXPECT_EQ(e.leftList().scrollValue(), 0);
    e.MouseWheel(120, editor::ListSide::Right);
    EXPECT_EQ(e.rightList().scrollValue(), 0);
}

TEST_F(EditorTest, ChoosingTheSameTypeAgainKeepsTheLeftSelection) {
    auto& e = open();
    e.Picture1_MouseDown(3 * 400);
    e.List1_Click(0);
    EXPECT_EQ(e.leftList().selection(), 3u);
    e.List1_Click(1);
    EXPECT_EQ(e.leftList().selection(), 0u);
    EXPECT_EQ(e.selectedType(), 1);
}

}  // namespace
}  // namespace kz::testing
