// The four move commands on blocks of selected rows, alone and through the page.
#include "options/language_moves.h"
#include "options_fixture.h"

namespace kz::options_test {
namespace {

using options::MoveCommand;
using options::MoveSelectedRows;
using ::testing::ElementsAre;

// Rows "1" to "5"; `selected` lists the 1-based rows that are selected.
std::vector<LanguageRow> FiveRows(std::initializer_list<int> selected) {
    std::vector<LanguageRow> rows;
    for (int i = 1; i <= 5; ++i) rows.push_back({.text = std::to_string(i)});
    for (int s : selected) rows[static_cast<std::size_t>(s - 1)].selected = true;
    return rows;
}

std::string Order(const std::vector<LanguageRow>& rows) {
    std::string out;
    for (const LanguageRow& row : rows) out += row.text + (row.selected ? "*" : "");
    return out;
}

std::string Moved(std::initializer_list<int> selected, MoveCommand command, int presses = 1) {
    std::vector<LanguageRow> rows = FiveRows(selected);
    for (int i = 0; i < presses; ++i) MoveSelectedRows(rows, command, nullptr);
    return Order(rows);
}

TEST(LanguageMoves, BlocksMoveUpAsABlockAndStopAtTheTop) {
    EXPECT_EQ(Moved({2, 3}, MoveCommand::Up), "2*3*145");
    EXPECT_EQ(Moved({2, 3}, MoveCommand::Up, 2), "2*3*145");
    EXPECT_EQ(Moved({1, 3}, MoveCommand::Up), "1*3*245");
    EXPECT_EQ(Moved({2, 4}, MoveCommand::Up), "2*14*35");
    EXPECT_EQ(Moved({5}, MoveCommand::Up, 4), "5*1234");
}

TEST(LanguageMoves, BlocksMoveDownAsABlockAndStopAtTheBottom) {
    EXPECT_EQ(Moved({3, 4}, MoveCommand::Down), "1253*4*");
    EXPECT_EQ(Moved({3, 4}, MoveCommand::Down, 3), "1253*4*");
    EXPECT_EQ(Moved({2, 4}, MoveCommand::Down), "132*54*");
    EXPECT_EQ(Moved({1, 5}, MoveCommand::Down), "21*345*");
}

TEST(LanguageMoves, MoveToTopGathersTheSelectedRowsInTheirOrder) {
    EXPECT_EQ(Moved({3, 5}, MoveCommand::Top), "3*5*124");
    EXPECT_EQ(Moved({1, 4}, MoveCommand::Top), "1*4*235");
    EXPECT_EQ(Moved({1, 2, 3, 4, 5}, MoveCommand::Top), "1*2*3*4*5*");
}

TEST(LanguageMoves, MoveToBottomGathersTheSelectedRowsInTheirOrder) {
    EXPECT_EQ(Moved({1, 4}, MoveCommand::Bottom), "2351*4*");
    // A selected last row stays last and the others gather above it.
    EXPECT_EQ(Moved({1, 5}, MoveCommand::Bottom), "2341*5*");
    EXPECT_EQ(Moved({2, 3}, MoveCommand::Bottom), "1452*3*");
}

TEST(LanguageMoves, NothingSelectedOrNoRowsMovesNothing) {
    for (const MoveCommand command :
         {MoveCommand::Up, MoveCommand::Down, MoveCommand::Top, MoveCommand::Bottom}) {
        EXPECT_EQ(Moved({}, command), "12345");
        std::vector<LanguageRow> none;
        MoveSelectedRows(none, command, nullptr);
        EXPECT_TRUE(none.empty());
    }
}

TEST(LanguageMoves, MovedRowsKeepTheirCheckAndTagAndReportWhereTheyWent) {
    std::vector<LanguageRow> rows = FiveRows({2, 4});
    rows[1].checked = false;
    rows[3].tag = "default";
    std::vector<std::size_t> targets;
    MoveSelectedRows(rows, MoveCommand::Top, [&](std::size_t at) { targets.push_back(at); });
    EXPECT_EQ(Order(rows), "2*4*135");
    EXPECT_FALSE(rows[0].checked);
    EXPECT_EQ(rows[0].tag, "");
    EXPECT_TRUE(rows[1].checked);
    EXPECT_EQ(rows[1].tag, "default");
    EXPECT_THAT(targets, ElementsAre(0u, 1u));
}

class LanguagePageMoves : public OptionsTest {};

TEST_F(LanguagePageMoves, MoveEnablesApplyFreezesDrawingAndShowsEachMovedRow) {
    dialog().menu_options_Click();
    view.calls.clear();
    clickRow(2);
    ctrlClickRow(3);
    ASSERT_FALSE(dialog().applyEnabled());
    page().cmd_move_Click(MoveCommand::Up);
    EXPECT_TRUE(dialog().applyEnabled());
    EXPECT_THAT(rowSummary(), ElementsAre("French", "!Spanish*", "Czech*", "German"));
    EXPECT_THAT(view.calls,
                ElementsAre("freeze", "visible 1", "visible 2", "focus", "unfreeze"));
}

TEST_F(LanguagePageMoves, AMoveIsWrittenOnlyByOkOrApply) {
    dialog().menu_options_Click();
    const StoredValues before = snapshot();
    clickRow(3);
    page().cmd_move_Click(MoveCommand::Top);
    EXPECT_EQ(snapshot(), before);
    dialog().cmd_Click(options::kCancelButton);
    EXPECT_EQ(snapshot(), before);

    dialog().menu_options_Click();
    clickRow(3);
    page().cmd_move_Click(MoveCommand::Top);
    dialog().cmd_Click(options::kOkButton);
    EXPECT_EQ(languages(), "Czech;French;German;!Spanish");
}

TEST_F(LanguagePageMoves, AMoveWithNothingSelectedStillEnablesApply) {
    dialog().menu_options_Click();
    page().setRowSelected(0, false);
    page().cmd_move_Click(MoveCommand::Down);
    EXPECT_TRUE(dialog().applyEnabled());
    EXPECT_THAT(rowNames(), ElementsAre("French", "German", "Spanish", "Czech"));
}

}  // namespace
}  // namespace kz::options_test
