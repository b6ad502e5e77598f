#include "editor_fixture.h"

namespace kz::testing {
namespace {

using editor::KeyButtons;
using editor::Rect;

// UK and US-International keep the keyboard as drawn; any other layout hides "#", puts
// "\" after "]" and has its own shifted symbols on three keys. Only hidden captions change.
TEST(EditorKeyboardLayout, TheLayoutDecidesHashBackslashAndThreeShiftedSymbols) {
    struct Case { const char* layout; bool hash; Rect backslash; const char* two; const char* three; const char* quote; };
    const Rect leftOfZ{4680, 1980, 315, 315};
    const Rect afterBracket{4740 + 11 * 360 + 315, 1260, 315, 315};
    const Case cases[] = {
        {"00000809", true, leftOfZ, "\"", "\xC2\xA3", "@"},
        {"00020409", true, leftOfZ, "\"", "\xC2\xA3", "@"},
        {"000008090", true, leftOfZ, "\"", "\xC2\xA3", "@"},
        {"00000409", false, afterBracket, "@", "#", "\""},
    };
    for (const Case& c : cases) {
        KeyButtons keys = editor::DesignKeyboard();
        editor::AdaptToLayout(keys, c.layout);
        EXPECT_EQ(keys[kKeyHash].visible, c.hash) << c.layout;
        EXPECT_EQ(keys[kKeyBackslash].place, c.backslash) << c.layout;
        EXPECT_EQ(keys[kKey2].shiftedCaption, c.two) << c.layout;
        EXPECT_EQ(keys[kKey3].shiftedCaption, c.three) << c.layout;
        EXPECT_EQ(keys[kKeyQuote].shiftedCaption, c.quote) << c.layout;
        EXPECT_EQ(keys[kKey2].caption, "2") << c.layout;
        EXPECT_EQ(keys[kKeyBackslash + 1].place, (Rect{5040, 1980, 315, 315})) << c.layout;  // Z
    }
}

TEST(EditorKeyboardLayout, RowsStandAsDesigned) {
    const KeyButtons keys = editor::DesignKeyboard();
    EXPECT_EQ(keys[kKey1].place, (Rect{4680, 900, 315, 315}));
    EXPECT_EQ(keys[46].place, (Rect{4680 + 11 * 360, 900, 315, 315}));  // "="
    EXPECT_EQ(keys[0].place, (Rect{4740, 1260, 315, 315}));            // "Q"
    EXPECT_EQ(keys[kKeyA].place, (Rect{4800, 1620, 315, 315}));
    EXPECT_EQ(keys[kKeyHash].place, (Rect{4800 + 11 * 360, 1620, 315, 315}));
    EXPECT_EQ(keys[34].place, (Rect{4680 + 10 * 360, 1980, 315, 315}));  // "/"
    EXPECT_EQ(keys[kKeyCloseBracket].place, (Rect{4740 + 11 * 360, 1260, 315, 315}));
    EXPECT_EQ(editor::FrameOver(editor::kShiftButton), (Rect{8640, 1980, 630, 330}));
}

TEST_F(EditorTest, TheUsLayoutEditorShowsTheAdaptedKeyboard) {
    auto& e = open({}, "00000409");
    EXPECT_FALSE(e.keys()[kKeyHash].visible);
    e.Command1_Click();
    EXPECT_EQ(e.keys()[kKey3].caption, "#");
    EXPECT_EQ(e.keys()[kKey2].caption, "@");
    EXPECT_EQ(e.keys()[kKeyQuote].caption, "\"");
}

TEST_F(EditorTest, LoadingSelectsTheFirstTypeAndTheKeyOne) {
    auto& e = open();
    EXPECT_EQ(e.typeNames(), (std::vector<std::string>{"with acute", "with grave", "nothing"}));
    EXPECT_EQ(e.selectedType(), 0);
    ASSERT_EQ(e.leftList().entries().size(), 6u);
    EXPECT_EQ(e.drawnCode(e.leftList().entries()[5]), 0x0151);
    EXPECT_EQ(e.selectedKey(), kKey1);
    EXPECT_EQ(e.selectedKeyFrame(), (Rect{4680, 900, 330, 330}));
    EXPECT_FALSE(e.shiftOn());
    EXPECT_FALSE(e.resetEnabled());
    EXPECT_EQ(view.focus.back(), "right");
}

TEST_F(EditorTest, KeysWithCharactersShowArialBlackAndSymbolsAlsoBold) {
    auto& e = open();
    EXPECT_EQ(e.keys()[kKeyOpenBracket].fontName(), "Arial");
    e.cmd_keyb_Click(kKeyOpenBracket);
    e.cmd_swap_Click(0);
    EXPECT_EQ(e.keys()[kKeyOpenBracket].fontName(), "Arial Black");
    EXPECT_TRUE(e.keys()[kKeyOpenBracket].bold);
    e.cmd_keyb_Click(kKeyE);
    e.cmd_swap_Click(0);
    EXPECT_EQ(e.keys()[kKeyE].fontName(), "Arial Black");
    EXPECT_FALSE(e.keys()[kKeyE].bold);
    e.cmd_keyb_Click(kKeyOpenBracket);
    e.cmd_swap_Click(1);
    EXPECT_EQ(e.keys()[kKeyOpenBracket].fontName(), "Arial");
    EXPECT_FALSE(e.keys()[kKeyOpenBracket].bold);
    EXPECT_FALSE(editor::IsBoldSymbol("#"));
    EXPECT_FALSE(editor::IsBoldSymbol("\xC2\xA3"));
    EXPECT_TRUE(editor::IsBoldSymbol("\""));
}

TEST_F(EditorTest, ShiftOnALetterSelectsTheShiftedOneAndDisablesLetters) {
    auto& e = open();
    e.cmd_keyb_Click(kKeyE);
    e.cmd_swap_Click(0);  // é on e
    e.Command1_Click();
    EXPECT_TRUE(e.shiftOn());
    EXPECT_EQ(e.selectedKey(), kKey1);
    EXPECT_EQ(e.keys()[kKey1].caption, "!");
    EXPECT_EQ(e.keys()[kKey1].shiftedCaption, "1");
    EXPECT_FALSE(e.keys()[kKeyE].enabled);
    EXPECT_TRUE(e.keys()[kKey1].enabled);
    // A disabled letter still shows that it has characters: letters share one list.
    EXPECT_EQ(e.keys()[kKeyE].fontName(), "Arial Black");
    e.Command1_Click();
    EXPECT_TRUE(e.keys()[kKeyE].enabled);
    EXPECT_EQ(e.keys()[kKey1].caption, "1");
}

TEST_F(EditorTest, EveryShiftedSymbolHasAListOfItsOwn) {
    auto& e = open();
    e.cmd_keyb_Click(kKey2);
    e.cmd_swap_Click(0);  // á on "2"
    e.Command1_Click();
    e.cmd_keyb_Click(kKey2);  // now '"'
    EXPECT_TRUE(e.selectedKeyList().empty());
    EXPECT_EQ(e.keys()[kKey2].fontName(), "Arial");
    e.List1_Click(1);
    e.cmd_swap_Click(0);  // à on '"'
    EXPECT_EQ(e.selectedKeyCode(), '"');
    EXPECT_EQ(e.keys()[kKey2].fontName(), "Arial Black");
    EXPECT_TRUE(e.keys()[kKey2].bold);  // '"' is one of the bold symbols, "2" is not
    e.Command1_Click();
    EXPECT_EQ(e.selectedKey(), kKey2);  // a symbol key stays selected
    EXPECT_EQ(e.selectedKeyList(), CandidateList{0x00E1});
    EXPECT_FALSE(e.keys()[kKey2].bold);
    EXPECT_EQ(e.keyLists().body(AnsiTable(codePage)), "\" 00E0;;2 00E1");
}

TEST_F(EditorTest, ALanguageOnlyOnAShiftedSymbolSavesOneLineForThatSymbol) {
    auto& e = open();
    e.Command1_Click();
    e.cmd_keyb_Click(kKey2);
    e.cmd_swap_Click(0);
    e.Text3_Change("Quotes");
    EXPECT_TRUE(e.cmd_Click(0));
    EXPECT_EQ(stored("Quotes"), "\" 00E1");
}

}  // namespace
}  // namespace kz::testing
