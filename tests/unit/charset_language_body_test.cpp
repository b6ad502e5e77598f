// The language body format: line breaks, keys, character groups.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "charset/language_body.h"
#include "platform/sim/code_page.h"

namespace kz {
namespace {

const sim::Windows1252CodePage kWestern;

std::vector<BodyLine> Read(std::string_view body) { return ReadLanguageBody(body, AnsiTable(kWestern)); }

MATCHER_P2(Line, key, characters, "") {
    return arg.key == static_cast<std::uint8_t>(key) && arg.characters == CandidateList(characters);
}

TEST(CharsetLanguageBody, ReadsKeysAndFourDigitGroupsInOrder) {
    const auto lines = Read("e 00E900E800EB\r\na 00e1");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_THAT(lines[0], Line('e', CandidateList{0xE9, 0xE8, 0xEB}));
    EXPECT_THAT(lines[1], Line('a', CandidateList{0xE1}));
}

TEST(CharsetLanguageBody, DoubleSemicolonAndCrLfBreakLinesAlike) {
    const auto joined = Read("e 00E9;;a 00E1");
    const auto crlf = Read("e 00E9\r\na 00E1");
    const auto mixed = Read("e 00E9;;\r\na 00E1");  // an empty line between: ignored
    ASSERT_EQ(joined.size(), 2u);
    for (const auto& other : {crlf, mixed}) {
        ASSERT_EQ(other.size(), 2u);
        for (std::size_t i = 0; i < 2; ++i) {
            EXPECT_EQ(other[i].key, joined[i].key);
            EXPECT_EQ(other[i].characters, joined[i].characters);
        }
    }
}

TEST(CharsetLanguageBody, UpperCaseKeysFileUnderTheLowerCaseKey) {
    const auto lines = Read("E 00C9;;\xC3\x89 00E9");  // E and É
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].key, 'e');
    EXPECT_EQ(lines[1].key, 0xE9);  // é's ANSI code
}

TEST(CharsetLanguageBody, ShortLinesAreIgnored) {
    EXPECT_TRUE(Read("e \r\ne\r\n\r\n;;").empty());
    // Three characters make a line: the third is a one-digit group.
    const auto lines = Read("e 7");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].characters, CandidateList{7});
}

TEST(CharsetLanguageBody, LastShortGroupIsReadAsTheNumberItSpells) {
    EXPECT_THAT(Read("o 00F6F8")[0], Line('o', CandidateList{0xF6, 0xF8}));
    EXPECT_THAT(Read("o 00F60F8")[0], Line('o', CandidateList{0xF6, 0xF8}));
    EXPECT_THAT(Read("o FFFF")[0], Line('o', CandidateList{0xFFFF}));
}

TEST(CharsetLanguageBody, GroupsThatAreNotHexadecimalAreSkipped) {
    EXPECT_THAT(Read("e 00E9zzzz00E8")[0], Line('e', CandidateList{0xE9, 0xE8}));
    // A stray blank shifts the groups: " 00E" is skipped and "8" is read as 8.
    EXPECT_THAT(Read("e 00E9 00E8")[0], Line('e', CandidateList{0xE9, 0x08}));
}

TEST(CharsetLanguageBody, KeyWithoutAnAnsiCodeSkipsTheLine) {
    // ő is not in the Western code page; its line is dropped, the next one stays.
    const auto lines = Read("\xC5\x91 0151;;o 00F6");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].key, 'o');
}

TEST(CharsetLanguageBody, RepeatsAreKeptForTheMergeToDecide) {
    EXPECT_THAT(Read("e 00E900E9")[0], Line('e', CandidateList{0xE9, 0xE9}));
}

}  // namespace
}  // namespace kz
