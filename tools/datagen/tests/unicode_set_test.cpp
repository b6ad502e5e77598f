#include <gtest/gtest.h>

#include <stdexcept>

#include "unicode_set.h"

namespace datagen {
namespace {

// Characters in written order, once each; ranges (with escaped or spaced bounds), escapes,
// a dash at either end as a literal, and one-character strings in braces as characters.
TEST(UnicodeSet, ReadsCharactersInWrittenOrder) {
    const std::pair<std::u32string, std::vector<char32_t>> cases[] = {
        {U"[b a-c á a]", {U'b', U'a', U'c', U'á'}},
        {U"[\\u00E9 \\U0001F600 \\x{1E9E} \\x41 \\- \\: \\[ \\\\]", {0x00E9, 0x1F600, 0x1E9E, U'A', U'-', U':', U'[', U'\\'}},
        {U"[\\u00E0 - \\u00E2]", {0xE0, 0xE1, 0xE2}},
        {U"[- a -]", {U'-', U'a'}},
    };
    for (const auto& [set, chars] : cases) {
        const auto items = parseUnicodeSet(set);
        EXPECT_EQ(items.chars, chars) << std::string(set.begin(), set.end());
        EXPECT_TRUE(items.strings.empty());
    }
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
