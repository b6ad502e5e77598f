#include <gtest/gtest.h>

#include <stdexcept>

#include "unicode_set.h"

namespace datagen {
namespace {

TEST(UnicodeSet, ReadsCharactersInWrittenOrderWithRangesAndRepeats) {
    const auto items = parseUnicodeSet(U"[b a-c á a]");
    EXPECT_EQ(items.chars, (std::vector<char32_t>{U'b', U'a', U'c', U'á'}));  // b once, range adds a and c
    EXPECT_TRUE(items.strings.empty());
}

TEST(UnicodeSet, DecodesEscapes) {
    const auto items = parseUnicodeSet(U"[\\u00E9 \\U0001F600 \\x{1E9E} \\x41 \\- \\: \\[ \\\\]");
    EXPECT_EQ(items.chars, (std::vector<char32_t>{0x00E9, 0x1F600, 0x1E9E, U'A', U'-', U':', U'[', U'\\'}));
}

TEST(UnicodeSet, RangeBoundsMayBeEscapedAndSpaced) {
    EXPECT_EQ(parseUnicodeSet(U"[\\u00E0 - \\u00E2]").chars, (std::vector<char32_t>{0xE0, 0xE1, 0xE2}));
}

TEST(UnicodeSet, DashAtEitherEndIsALiteral) {
    EXPECT_EQ(parseUnicodeSet(U"[- a -]").chars, (std::vector<char32_t>{U'-', U'a'}));
}

TEST(UnicodeSet, StringsInBracesAreKeptApartUnlessOneCharacterLong) {
    const auto items = parseUnicodeSet(U"[a {ch} {ɔ} {o\\u02BB} {ch}]");
    EXPECT_EQ(items.chars, (std::vector<char32_t>{U'a', U'ɔ'}));
    EXPECT_EQ(items.strings, (std::vector<std::u32string>{U"ch", U"o\u02BB"}));
}

TEST(UnicodeSet, RejectsWhatItDoesNotUnderstand) {
    for (const std::u32string bad : {U"a b", U"[a b", U"[^a]", U"[a [b]]", U"[[:Latin:]]", U"[z-a]", U"[a {b]",
                                     U"[\\u00G1]", U"[\\u00E]", U"[a \\]", U"[\\u0000-\\uFFFF]"}) {
        EXPECT_THROW(parseUnicodeSet(bad), std::runtime_error) << std::string(bad.begin(), bad.end());
    }
}

}  // namespace
}  // namespace datagen
