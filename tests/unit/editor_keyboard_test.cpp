#include "editor_fixture.h"

namespace kz::testing {
namespace {

using editor::KeyButtons;

// UK and US-International keep the keyboard as drawn; any other layout hides "#", moves
// "\" up beside "]" and has its own shifted symbols on three keys.
TEST(EditorKeyboardLayout, TheLayoutDecidesHashBackslashAndThreeShiftedSymbols) {
    struct Case { const char* layout; bool hash; const char* two; const char* three; const char* quote; };
    const Case cases[] = {
        {"00000809", true, "\"", "\xC2\xA3", "@"},
        {"00020409", true, "\"", "\xC2\xA3", "@"},
        {"000008090", true, "\"", "\xC2\xA3", "@"},
        {"00000409", false, "@", "#", "\""},
    };
    for (const Case& c : cases) {
        KeyButtons keys = editor::DesignKeyboard();
        editor::AdaptToLayout(keys, c.layout);
        EXPECT_EQ(keys[kKeyHash].visible, c.hash) << c.layout;
        EXPECT_EQ(keys[kKeyBackslash].place.top == keys[kKeyCloseBracket].place.top, !c.hash) << c.layout;
        EXPECT_EQ(keys[kKey2].shiftedCaption, c.two) << c.layout;
        EXPECT_EQ(keys[kKey3].shiftedCaption, c.three) << c.layout;
        EXPECT_EQ(keys[kKeyQuote].shiftedCaption, c.quote) << c.layout;
    }
}

TEST_F(EditorTest, KeysWithCharactersShowArialBlackAndSymbolsAlsoBold) {
    auto& e = open();
    EXPECT_EQ(e.keys()[kKeyOpenBracket].fontName(), "Arial");
    e.selectKey(kKeyOpenBracket);
    e.pressAddRemove(0);
    EXPECT_EQ(e.keys()[kKeyOpenBracket].fontName(), "Arial Black");
    EXPECT_TRUE(e.keys()[kKeyOpenBracket].bold);
    e.selectKey(kKeyE);
    e.pressAddRemove(0);
    EXPECT_EQ(e.keys()[kKeyE].fontName(), "Arial Black");
    EXPECT_FALSE(e.keys()[kKeyE].bold);
    e.selectKey(kKeyOpenBracket);
    e.pressAddRemove(1);
    EXPECT_EQ(e.keys()[kKeyOpenBracket].fontName(), "Arial");
    EXPECT_FALSE(e.keys()[kKeyOpenBracket].bold);
    EXPECT_FALSE(editor::IsBoldSymbol("#"));
    EXPECT_FALSE(editor::IsBoldSymbol("\xC2\xA3"));
    EXPECT_TRUE(editor::IsBoldSymbol("\""));
}

TEST_F(EditorTest, ShiftOnALetterSelectsTheShiftedOneAndDisablesLetters) {
    auto& e = open();
    e.selectKey(kKeyE);
    e.pressAddRemove(0);  // é on e
    e.toggleShift();
    EXPECT_TRUE(e.shiftOn());
    EXPECT_EQ(e.selectedKey(), kKey1);
    EXPECT_EQ(e.keys()[kKey1].caption, "!");
    EXPECT_EQ(e.keys()[kKey1].shiftedCaption, "1");
    EXPECT_FALSE(e.keys()[kKeyE].enabled);
    EXPECT_TRUE(e.keys()[kKey1].enabled);
    // A disabled letter still shows that it has characters: letters share one list.
    EXPECT_EQ(e.keys()[kKeyE].fontName(), "Arial Black");
    e.toggleShift();
    EXPECT_TRUE(e.keys()[kKeyE].enabled);
    EXPECT_EQ(e.keys()[kKey1].caption, "1");
}

TEST_F(EditorTest, EveryShiftedSymbolHasAListOfItsOwn) {
    auto& e = open();
    e.selectKey(kKey2);
    e.pressAddRemove(0);  // á on "2"
    e.toggleShift();
    e.selectKey(kKey2);  // now '"'
    EXPECT_TRUE(e.selectedKeyList().empty());
    EXPECT_EQ(e.keys()[kKey2].fontName(), "Arial");
    e.selectType(1);
    e.pressAddRemove(0);  // à on '"'
    EXPECT_EQ(e.selectedKeyCode(), '"');
    EXPECT_EQ(e.keys()[kKey2].fontName(), "Arial Black");
    EXPECT_TRUE(e.keys()[kKey2].bold);  // '"' is one of the bold symbols, "2" is not
    e.toggleShift();
    EXPECT_EQ(e.selectedKey(), kKey2);  // a symbol key stays selected
    EXPECT_EQ(e.selectedKeyList(), CandidateList{0x00E1});
    EXPECT_FALSE(e.keys()[kKey2].bold);
    EXPECT_EQ(e.keyLists().body(AnsiTable(codePage)), "\" 00E0;;2 00E1");
}

}  // namespace
}  // namespace kz::testing
