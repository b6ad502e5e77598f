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
    lists['e'] = {0x00E9, 0x0117};
    lists['!'] = {0x00A1};
    lists['a'] = {0x00E0, 0xFFFF, 0x000A};
    lists[0xA3] = {0x20AC};  // the shifted "3" of a UK keyboard: £
    EXPECT_EQ(lists.body(ansi), "! 00A1;;a 00E0FFFF000A;;e 00E90117;;\xC2\xA3 20AC");
}

TEST_F(KeyListsTest, EmptyListsWriteNothingAndKeyZeroIsNeverWritten) {
    EXPECT_TRUE(lists.empty());
    EXPECT_EQ(lists.body(ansi), "");
    lists[0] = {0x00E9};
    EXPECT_TRUE(lists.empty());
    EXPECT_EQ(lists.body(ansi), "");
    lists['"'] = {0x201C};
    EXPECT_FALSE(lists.empty());
    EXPECT_EQ(lists.body(ansi), "\" 201C");
}

TEST_F(KeyListsTest, ReadingABodyLowersKeysAndSkipsRepeatsOfAKeysCharacters) {
    lists.addBody("E 00E900E8\r\ne 00E800EB;;x;;a 00e1", ansi);
    // The second e line adds only what the list lacks; "x" is too short to be a line;
    // lower-case digits read as well.
    EXPECT_EQ(lists['e'], (CandidateList{0x00E9, 0x00E8, 0x00EB}));
    EXPECT_EQ(lists['a'], (CandidateList{0x00E1}));
    EXPECT_EQ(lists.body(ansi), "a 00E1;;e 00E900E800EB");
}

TEST_F(KeyListsTest, InsertGoesAfterTheSelectionAndSelectsTheNewUnit) {
    CandidateList list;
    EXPECT_EQ(InsertAfter(list, 0, u'a'), 0u);  // an empty list: the only unit
    EXPECT_EQ(list, CandidateList{u'a'});
    EXPECT_EQ(InsertAfter(list, 0, u'b'), 1u);
    EXPECT_EQ(InsertAfter(list, 0, u'c'), 1u);  // after the first, before b
    EXPECT_EQ(list, (CandidateList{u'a', u'c', u'b'}));
    EXPECT_EQ(InsertAfter(list, 2, u'd'), 3u);  // after the last
    EXPECT_EQ(list, (CandidateList{u'a', u'c', u'b', u'd'}));
}

TEST_F(KeyListsTest, RemoveKeepsThePositionAndStaysInTheList) {
    CandidateList list{u'a', u'b', u'c'};
    EXPECT_EQ(RemoveAt(list, 1), 1u);  // c moves under the selection
    EXPECT_EQ(list, (CandidateList{u'a', u'c'}));
    EXPECT_EQ(RemoveAt(list, 1), 0u);  // the last unit: the new last is selected
    EXPECT_EQ(list, CandidateList{u'a'});
    EXPECT_EQ(RemoveAt(list, 0), 0u);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(RemoveAt(list, 0), 0u);  // nothing to remove
    EXPECT_TRUE(list.empty());
}

TEST_F(KeyListsTest, MovesAtBothEndsAndInTheMiddle) {
    CandidateList list{u'a', u'b', u'c', u'd'};
    EXPECT_EQ(MoveUnit(list, 0, Move::Up), 0u);
    EXPECT_EQ(MoveUnit(list, 3, Move::Down), 3u);
    EXPECT_EQ(list, (CandidateList{u'a', u'b', u'c', u'd'}));

    EXPECT_EQ(MoveUnit(list, 2, Move::Up), 1u);
    EXPECT_EQ(list, (CandidateList{u'a', u'c', u'b', u'd'}));
    EXPECT_EQ(MoveUnit(list, 0, Move::Down), 1u);
    EXPECT_EQ(list, (CandidateList{u'c', u'a', u'b', u'd'}));
    EXPECT_EQ(MoveUnit(list, 2, Move::ToTop), 0u);
    EXPECT_EQ(list, (CandidateList{u'b', u'c', u'a', u'd'}));
    EXPECT_EQ(MoveUnit(list, 1, Move::ToBottom), 3u);
    EXPECT_EQ(list, (CandidateList{u'b', u'a', u'd', u'c'}));
    EXPECT_EQ(MoveUnit(list, 0, Move::ToTop), 0u);
    EXPECT_EQ(MoveUnit(list, 3, Move::ToBottom), 3u);
    EXPECT_EQ(list, (CandidateList{u'b', u'a', u'd', u'c'}));
}

TEST_F(KeyListsTest, MovesOnAnEmptyListChangeNothing) {
    for (Move move : {Move::Up, Move::Down, Move::ToTop, Move::ToBottom}) {
        CandidateList list;
        EXPECT_EQ(MoveUnit(list, 0, move), 0u);
        EXPECT_TRUE(list.empty());
    }
}

}  // namespace
}  // namespace kz::editor
