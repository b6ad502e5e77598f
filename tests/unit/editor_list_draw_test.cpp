// Drawing the language editor's two lists through the recording canvas: rows like the
// all-characters screen's characters list, the first code of a record, and rows for
// characters the table does not know.
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

constexpr int kWidth = 221;   // 3315 twips at 96 dpi
constexpr int kHeight = 189;  // 2835 twips

class EditorListDrawTest : public ::testing::Test {
protected:
    EditorListDrawTest() {
        table.assign({
            {u'\u00E9', u'\u00C9', 1, false, "e with acute"},
            {u'\u00E8', u'\u00C8', 1, false, "e with grave"},
            {u'\u0107', u'\u0106', 1, true, "c with acute"},
        });
    }

    // One entry per code, with its record where the table has one.
    CharacterList listOf(const std::vector<char16_t>& codes) const {
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
        return list;
    }

    CharacterTable table;
    sim::RecordingCanvas canvas;
};

TEST_F(EditorListDrawTest, RowsShowTheRecordsFirstCodeAndNameEvenForAnUpperCaseEntry) {
    // The key list holds the upper-case E acute; the row shows the record's own code.
    const CharacterList list = listOf({u'\u00C9', u'\u00E8'});
    editor::DrawEditorList(canvas, list, table, false, kWidth, kHeight);
    EXPECT_EQ(canvas.textStrings(),
              (std::vector<std::u16string>{u"\u00E9", u"e with acute", u"\u00E8", u"e with grave"}));
    EXPECT_EQ(canvas.findText(u"\u00E9")->font, ListCharacterFont());
    EXPECT_EQ(canvas.findText(u"e with grave")->font, CharacterNameFont());
}

TEST_F(EditorListDrawTest, SelectionAndShadingFollowTheEntriesWhileTheListScrolls) {
    std::vector<char16_t> codes;
    for (int i = 0; i < 10; ++i) codes.push_back(i % 2 == 0 ? u'\u00E9' : u'\u00E8');
    CharacterList list = listOf(codes);
    list.setScrollValue(3);
    list.setSelection(5);
    editor::DrawEditorList(canvas, list, table, false, kWidth, kHeight);
    // Seven rows from entry 3: the clearing, then the boxes of entries 3 (odd), 5 (the
    // selection), 7 and 9 (odd).
    ASSERT_EQ(canvas.fills.size(), 5u);
    EXPECT_EQ(canvas.fills[0].rect, (Rect{0, 0, kWidth, kHeight}));
    EXPECT_EQ(canvas.fills[1].color, platform::kShade);
    EXPECT_EQ(canvas.fills[1].rect, (Rect{0, 0, kWidth, 27}));
    EXPECT_EQ(canvas.fills[2].rect, (Rect{0, 53, kWidth, 80}));
    EXPECT_EQ(canvas.fills[2].color, canvas.systemColor(platform::SystemColor::Highlight));
    EXPECT_EQ(canvas.texts.size(), 14u);
}

TEST_F(EditorListDrawTest, TheBadgeFollowsTheSetting) {
    const CharacterList list = listOf({u'\u0107'});
    editor::DrawEditorList(canvas, list, table, true, kWidth, kHeight);
    EXPECT_EQ(canvas.ellipses.size(), 1u);
    EXPECT_NE(canvas.findText(u"U"), nullptr);
    canvas.clear();
    editor::DrawEditorList(canvas, list, table, false, kWidth, kHeight);
    EXPECT_TRUE(canvas.ellipses.empty());
}

TEST_F(EditorListDrawTest, ACharacterWithoutARecordKeepsItsRowWithItsCode) {
    CharacterList list = listOf({u'\u00E9', u'\u0436', u'\u00E8'});
    list.setSelection(1);
    editor::DrawEditorList(canvas, list, table, true, kWidth, kHeight);
    const sim::TextOp* character = canvas.findText(u"\u0436");
    ASSERT_NE(character, nullptr);
    EXPECT_EQ(character->rect, (Rect{12, 29, 35, 55}));
    EXPECT_EQ(character->color, canvas.systemColor(platform::SystemColor::HighlightText));
    const sim::TextOp* name = canvas.findText(u"U+0436");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->font, CharacterNameFont());
    // The selection box lies behind the unknown row; no badge for it.
    EXPECT_EQ(canvas.fills.back().rect, (Rect{0, 27, kWidth, 53}));
    EXPECT_TRUE(canvas.ellipses.empty());
}

}  // namespace
}  // namespace kz::testing
