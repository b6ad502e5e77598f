// The four move commands on blocks of selected rows, alone and through the page.
#include "options/language_moves.h"
#include "options_fixture.h"

namespace kz::options_test {
namespace {

using options::MoveCommand;
using options::MoveSelectedRows;

// Rows "1" to "5" with the 1-based rows `selected` selected, after `presses` moves, as
// their texts with "*" after a selected row.
std::string Moved(const std::vector<int>& selected, MoveCommand command, int presses) {
    std::vector<LanguageRow> rows;
    for (int i = 1; i <= 5; ++i) rows.push_back({.text = std::to_string(i)});
    for (int s : selected) rows[static_cast<std::size_t>(s - 1)].selected = true;
    for (int i = 0; i < presses; ++i) MoveSelectedRows(rows, command, nullptr);
    std::string order;
    for (const LanguageRow& row : rows) order += row.text + (row.selected ? "*" : "");
    return order;
}

// A block of selected rows moves up or down by one, keeping its inner order, and stops at
// the end; Move to Top and Move to Bottom gather the selected rows there in their order.
TEST(LanguageMoves, SelectedRowsMoveAsBlocks) {
    using enum MoveCommand;
    struct Case { std::vector<int> selected; MoveCommand command; int presses; const char* order; };
    const Case cases[] = {
        {{2, 3}, Up, 1, "2*3*145"},   {{2, 3}, Up, 2, "2*3*145"},      {{1, 3}, Up, 1, "1*3*245"},
        {{2, 4}, Up, 1, "2*14*35"},   {{5}, Up, 4, "5*1234"},          {{3, 4}, Down, 1, "1253*4*"},
        {{3, 4}, Down, 3, "1253*4*"}, {{2, 4}, Down, 1, "132*54*"},    {{1, 5}, Down, 1, "21*345*"},
        {{3, 5}, Top, 1, "3*5*124"},  {{1, 4}, Top, 1, "1*4*235"},     {{1, 2, 3, 4, 5}, Top, 1, "1*2*3*4*5*"},
        {{1, 4}, Bottom, 1, "2351*4*"}, {{1, 5}, Bottom, 1, "2341*5*"}, {{2, 3}, Bottom, 1, "1452*3*"},
        {{}, Up, 1, "12345"},         {{}, Bottom, 1, "12345"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Moved(c.selected, c.command, c.presses), c.order)
            << "command " << static_cast<int>(c.command) << " x" << c.presses;
    }
    for (const MoveCommand command : {Up, Down, Top, Bottom}) {
        std::vector<LanguageRow> none;
        MoveSelectedRows(none, command, nullptr);  // an empty list: nothing to move, no crash
        EXPECT_TRUE(none.empty());
    }
}

// A move enables Apply and shows each moved row, which keeps its check box and its tag;
// only OK or Apply writes it.
TEST_F(OptionsTest, MoveEnablesApplyFreezesDrawingAndShowsEachMovedRow) {
    addUserLanguage("Klingon", "k 0138");
    dialog().open();
    const StoredValues before = snapshot();
    clickRow(2);
    ctrlClickRow(4);
    ASSERT_FALSE(dialog().applyEnabled());
    view.calls.clear();
    page().pressMove(MoveCommand::Up);
    EXPECT_TRUE(dialog().applyEnabled());
    EXPECT_THAT(rowSummary(), ElementsAre("French", "!Spanish*", "German", "Klingon(user)*", "Czech"));
    EXPECT_THAT(view.calls, ElementsAre("freeze", "visible 1", "visible 3", "focus", "unfreeze"));
    view.calls.clear();
    page().pressMove(MoveCommand::Top);
    EXPECT_THAT(rowSummary(), ElementsAre("!Spanish*", "Klingon(user)*", "French", "German", "Czech"));
    EXPECT_THAT(view.calls, ElementsAre("freeze", "visible 0", "visible 1", "focus", "unfreeze"));
    EXPECT_EQ(snapshot(), before);
    dialog().pressButton(options::kOkButton);
    EXPECT_EQ(languages(), "!Spanish;Klingon;French;German;Czech");
}

}  // namespace
}  // namespace kz::options_test
