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
        {"00000409", false, "@", "#", "\""},
    };
    for (const Case& c : cases) {
        KeyButtons keys = editor::DesignKeyboard();
        editor::AdaptToLayout(keys, c.layout);
        EXPECT_EQ(keys[kKeyHash].visible, c.hash) << c.layout;
        const platform::TwipsBox& after = keys[kKeyCloseBracket].place;  // "\" goes right of it without "#"
        const platform::TwipsBox& backslash = keys[kKeyBackslash].place;
        EXPECT_EQ(backslash.left == after.left + after.width && backslash.top == after.top, !c.hash) << c.layout;
        EXPECT_EQ(keys[kKey2].shiftedCaption, c.two) << c.layout;
        EXPECT_EQ(keys[kKey3].shiftedCaption, c.three) << c.layout;
        EXPECT_EQ(keys[kKeyQuote].shiftedCaption, c.quote) << c.layout;
    }
}

// A key with characters shows them in Arial Black, bold for a symbol key such as '"'.
// Shift shows the shifted captions and disables the letters, which share one list and
// still show that it has characters; on a symbol key the selection stays and every
// shifted symbol has a list of its own.
TEST_F(EditorTest, ShiftDisablesLettersAndGivesEveryShiftedSymbolAListOfItsOwn) {
    auto& e = open();
    e.selectKey(kKeyE);
    e.pressAddRemove(0);  // á on e
    e.selectKey(kKey2);
    e.pressAddRemove(0);  // á on "2"
    e.selectKey(kKeyE);
    e.toggleShift();
    EXPECT_TRUE(e.shiftOn());
    EXPECT_EQ(e.selectedKey(), kKey1);
    EXPECT_EQ(e.keys()[kKey1].caption, "!");
    EXPECT_EQ(e.keys()[kKey1].shiftedCaption, "1");
    EXPECT_FALSE(e.keys()[kKeyE].enabled);
    EXPECT_TRUE(e.keys()[kKey1].enabled);
    EXPECT_FALSE(e.keys()[kKey1].bold) << "a symbol without characters";
    EXPECT_EQ(e.keys()[kKeyE].fontName(), "Arial Black");
    e.selectKey(kKey2);  // now '"'
    EXPECT_TRUE(e.selectedKeyList().empty());
    EXPECT_EQ(e.keys()[kKey2].fontName(), "Arial");
    e.selectType(1);
    e.pressAddRemove(0);  // à on '"'
    EXPECT_EQ(e.selectedKeyCode(), '"');
    EXPECT_EQ(e.keys()[kKey2].fontName(), "Arial Black");
    EXPECT_TRUE(e.keys()[kKey2].bold);  // '"' is one of the bold symbols, "2" is not
    e.toggleShift();
    EXPECT_TRUE(e.keys()[kKeyE].enabled);
    EXPECT_EQ(e.keys()[kKey1].caption, "1");
    EXPECT_EQ(e.selectedKey(), kKey2);  // a symbol key stays selected
    EXPECT_EQ(e.selectedKeyList(), CandidateList{0x00E1});
    EXPECT_FALSE(e.keys()[kKey2].bold);
    EXPECT_EQ(e.keyLists().body(AnsiTable(codePage)), "\" 00E0;;2 00E1;;e 00E1");
}

}  // namespace
}  // namespace kz::testing
