// Drawing the all-characters screen's characters list through the recording canvas.
#include <gtest/gtest.h>

#include <vector>

#include "input_test_rig.h"
#include "platform/sim/recording_canvas.h"
#include "popup/all_characters_draw.h"

namespace kz::testing {
namespace {

// Seven rows from the scroll position, the character then its name; odd entries shaded,
// the selected one highlighted, and every length scaled with the DPI.
TEST(AllCharsDrawTest, CharacterRowsShowTheCharacterAndItsNameWithShadingThatScrolls) {
    CharacterTable table;
    table.assign(TestCharacters());
    std::vector<int> list(table.size());
    for (int i = 0; i < static_cast<int>(list.size()); ++i) list[static_cast<std::size_t>(i)] = i;
    const auto draw = [&](sim::RecordingCanvas& canvas, int sel, int top, int width, int height) {
        DrawCharacterList(canvas, {.list = list, .sel = sel, .top = top, .caseSel = 0, .displayUnicodeSymbol = true,
                                   .characters = &table},
                          width, height);
    };
    sim::RecordingCanvas canvas;
    draw(canvas, 2, 1, 221, 189);
    ASSERT_EQ(canvas.texts.size(), 14u + 2u);  // and the badge letters of c and n with acute
    EXPECT_EQ(canvas.texts[0].text, u"\u00E9");
    EXPECT_EQ(canvas.texts[1].text, u"e with acute");
    EXPECT_EQ(canvas.findText(u"i with acute")->color, platform::kWhite);
    std::vector<int> shadedTops;
    for (const sim::FillOp& fill : canvas.fills) {
        if (fill.color == platform::kShade) shadedTops.push_back(fill.rect.top);
    }
    EXPECT_EQ(shadedTops, (std::vector<int>{0, 53, 107, 160}));

    sim::RecordingCanvas large(144);
    draw(large, 0, 0, 332, 284);
    EXPECT_EQ(large.findText(u"\u00ED")->rect, (platform::Rect{18, 80 + 3, 52, 120 + 3}));
}

}  // namespace
}  // namespace kz::testing
