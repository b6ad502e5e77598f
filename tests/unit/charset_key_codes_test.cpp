// The [[n]] key-code notation of settings texts.
#include <gtest/gtest.h>

#include "charset/key_codes.h"
#include "platform/sim/code_page.h"

namespace kz {
namespace {

const sim::Windows1252CodePage kWestern;

std::string Expand(std::string_view text) { return ExpandKeyCodes(text, kWestern); }

TEST(CharsetKeyCodes, NumbersBecomeTheirAnsiCharacters) {
    EXPECT_EQ(Expand("a[[13]]b"), "a\rb");
    EXPECT_EQ(Expand("[[32]]"), " ");
    EXPECT_EQ(Expand("[[128]]"), "€");  // the code page's character, not U+0080
    EXPECT_EQ(Expand("[[233]][[ 65]]x"), "éAx");
    EXPECT_EQ(Expand("plain text"), "plain text");
}

TEST(CharsetKeyCodes, OutOfRangeAndUnreadableGiveNothing) {
    EXPECT_EQ(Expand("x[[0]]y"), "xy");
    EXPECT_EQ(Expand("[[300]]"), "");
    EXPECT_EQ(Expand("[[-5]]"), "");
    EXPECT_EQ(Expand("a[[]]b"), "ab");
    EXPECT_EQ(Expand("a[[abc]]b"), "ab");
    EXPECT_EQ(Expand("[[255.5]]"), "");  // rounds to 256
}

TEST(CharsetKeyCodes, NumbersRoundToTheNearestCode) {
    EXPECT_EQ(Expand("[[64.6]]"), "A");
    EXPECT_EQ(Expand("[[65.5]]"), "B");  // halves to even
    EXPECT_EQ(Expand("[[66.5]]"), "B");
    EXPECT_EQ(Expand("[[65abc]]"), "A");
    EXPECT_EQ(Expand("[[0.4]]"), "");    // rounds to 0
}

TEST(CharsetKeyCodes, UnpairedBracketsStay) {
    EXPECT_EQ(Expand("[[13"), "[[13");
    EXPECT_EQ(Expand("13]]"), "13]]");
    EXPECT_EQ(Expand("]][[65"), "]][[65");
    EXPECT_EQ(Expand("[[65]]]]"), "A]]");
}

TEST(CharsetKeyCodes, ReplacementsThatFormNewPairsAreExpandedInTurn) {
    // 91 is "[" and 93 is "]": the first pair gives "[" which, with the "[" after it,
    // opens a new pair around 66.
    EXPECT_EQ(Expand("[[91]][66]]"), "B");
    // The first "[[" wins: "[91" between it and the first "]]" reads as 0.
    EXPECT_EQ(Expand("[[[91]]65]]"), "65]]");
    // The "[" a replacement leaves opens the next pair and swallows its "[91".
    EXPECT_EQ(Expand("[[91]][[91]]66]]"), "66]]");
    EXPECT_EQ(Expand("[[93]]]"), "]]");  // closing brackets never reopen anything
}

TEST(CharsetKeyCodes, LongHostileTextsEnd) {
    std::string text;
    // Each "[" a pair leaves re-forms "[[" with the next pair, which then vanishes.
    for (int i = 0; i < 20001; ++i) text += "[[91]]";
    EXPECT_EQ(Expand(text), "[");
    EXPECT_EQ(Expand(std::string(100000, '[') + "65]]"), "");
    std::string many;
    for (int i = 0; i < 50000; ++i) many += "[[66]]";
    EXPECT_EQ(Expand(many), std::string(50000, 'B'));
}

}  // namespace
}  // namespace kz
