// Drawing the language editor's two lists through the recording canvas: rows like the
// all-characters screen's characters list, the first code of a record, and rows for
// characters the table does not know.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "editor/editor_list_draw.h"
#include "platform/sim/recording_canvas.h"
#include "popup/all_characters_draw.h"

namespace kz::testing {
namespace {

using editor::CharacterList;
using editor::ListEntry;
using platform::Rect;

class EditorListDrawTest : public ::testing::Test {
protected:
    EditorListDrawTest() {
        table.assign({
            {u'\u00E9', u'\u00C9', 1, false, "e with acute"},
            {u'\u00E8', u'\u00C8', 1, false, "e with grave"},
            {u'\u0107', u'\u0106', 1, true, "c with acute"},
        });
    }

    // One entry per code, with its record where the table has one; drawn 221 x 189.
    void draw(const std::vector<char16_t>& codes, bool badge, int selection = -1) {
        std::vector<ListEntry> entries;
        for (char16_t code : codes) {
            ListEntry entry{code, std::nullopt};
            if (const CharacterRecord* record = table.find(code)) {
                entry.record = static_cast<std::size_t>(record - table.records().data());
            }
            entries.push_back(entry);
        }
        CharacterList list;
        list.setEntries(std::move(entries));
        if (selection >= 0) list.setSelection(selection);
        canvas.clear();
        editor::DrawEditorList(canvas, list, table, badge, 221, 189);
    }

    CharacterTable table;
    sim::RecordingCanvas canvas;
};

// The key list holds the upper-case E acute; the row shows the record's own code. A code
// without a record keeps its row, named by its number, with no badge; a code outside the
// code page has its badge when the setting asks for it.
TEST_F(EditorListDrawTest, RowsShowTheRecordsFirstCodeAndNameOrTheBareCode) {
    draw({u'\u00C9', u'\u0436', u'\u00E8'}, true, 1);
    EXPECT_THAT(canvas.textStrings(), ::testing::UnorderedElementsAre(u"\u00E9", u"e with acute", u"\u0436",
                                                                      u"U+0436", u"\u00E8", u"e with grave"));
    EXPECT_EQ(canvas.findText(u"\u00E9")->font, ListCharacterFont());
    EXPECT_EQ(canvas.findText(u"U+0436")->font, CharacterNameFont());
    EXPECT_EQ(canvas.findText(u"\u0436")->color, canvas.systemColor(platform::SystemColor::HighlightText));
    EXPECT_EQ(canvas.fills.back().rect, (Rect{0, 27, 221, 53}));
    EXPECT_TRUE(canvas.ellipses.empty());
    draw({u'\u00C9', u'\u0436'}, false);  // not selected, the unknown second row is shaded
    EXPECT_EQ(canvas.fills.back().color, platform::kShade);
    for (const bool badge : {true, false}) {
        draw({u'\u0107'}, badge);
        EXPECT_EQ(canvas.ellipses.size(), badge ? 1u : 0u);
        EXPECT_EQ(canvas.findText(u"U") != nullptr, badge);
    }
}

}  // namespace
}  // namespace kz::testing
