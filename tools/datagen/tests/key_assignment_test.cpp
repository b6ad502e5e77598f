#include <gtest/gtest.h>

#include "key_assignment.h"
#include "language_builder.h"
#include "small_ucd.h"

namespace datagen {
namespace {

class KeyAssignment : public ::testing::Test {
protected:
    const Ucd ucd = testing::smallUcd();
};

// Decomposable letters go under their base letter (lower case), other letters under the
// letter they are read as; characters without a sensible key are left out.
TEST_F(KeyAssignment, FilesLettersUnderTheLetterTheyAreReadAs) {
    const std::pair<char32_t, std::optional<char>> cases[] = {
        {0x00E9, 'e'}, {0x1EA5, 'a'},  // ấ through â
        {0x00C9, 'e'}, {0x00DF, 's'},  // ß, from the table
        {0x00E6, 'a'}, {0x01E3, 'a'},  // ǣ decomposes to æ, which has no decomposition
        {0x01FF, 'o'}, {0x0257, 'd'},  // ɗ, from its name
        {0x0133, 'i'},                 // ĳ, from its compatibility decomposition
        {0x02BB, '\''},                // okina
        {0x20AC, std::nullopt},        // euro: symbols get their keys from the symbol sets
        {0x0301, std::nullopt},        // a lone combining mark
        {0xE000, std::nullopt},        // not in the data at all
    };
    for (const auto& [code, key] : cases) EXPECT_EQ(keyFor(code, ucd), key) << std::hex << static_cast<unsigned>(code);
}

TEST_F(KeyAssignment, FoldsUpperCaseOnlyLettersToTheirPartner) {
    EXPECT_EQ(offeredForm(0x00C9, ucd), char32_t{0x00E9});
    EXPECT_EQ(offeredForm(0x0130, ucd), char32_t{0x0069});  // İ folds to plain i
    EXPECT_EQ(offeredForm(0x00DF, ucd), char32_t{0x00DF});  // ß has no upper partner and stays
}

TEST(UsableKeys, ExcludeCharactersTheFileFormatsReserve) {
    for (const char key : {'a', 'z', '0', '\'', '"', '-', '<', '>', '|', '?'}) EXPECT_TRUE(isUsableKey(key)) << key;
    for (const char key : {'{', '}', ';', 'A', ' ', '\r'}) EXPECT_FALSE(isUsableKey(key)) << key;
}

class Builder : public KeyAssignment {
protected:
    LanguageBuilder builder{ucd};
};

TEST_F(Builder, OffersMainLettersBeyondAToZInExemplarOrder) {
    const auto language = builder.build("Test", {{U'a', 0x00E9, 0x00E8, U'e', 0x00E0, 0x00C9, 0x0130}, {}, {}});
    ASSERT_TRUE(language);
    EXPECT_EQ(language->keys.at('e'), (std::vector<char32_t>{0x00E9, 0x00E8}));  // É folded onto é, not repeated
    EXPECT_EQ(language->keys.at('a'), (std::vector<char32_t>{0x00E0}));
    EXPECT_EQ(language->keys.at('i'), (std::vector<char32_t>{U'i'}));  // İ, through the i it is paired with
}

TEST_F(Builder, AddsAShortAuxiliarySetAfterTheMainLettersWithinTheVisibleRows) {
    const std::vector<char32_t> mainA{0x00E0, 0x00E1, 0x00E2, 0x00E4, 0x00E5, 0x0103, 0x00E6, 0x01E3};  // 8 on a
    const auto language = builder.build("Test", {mainA, {0x00E9, 0x1EA5, 0x00EA}, {}});
    ASSERT_TRUE(language);
    EXPECT_EQ(language->keys.at('e'), (std::vector<char32_t>{0x00E9, 0x00EA}));
    auto expectedA = mainA;
    expectedA.push_back(0x1EA5);  // the ninth row is still free
    EXPECT_EQ(language->keys.at('a'), expectedA);
    const auto irish = builder.build("Test", {{0x00E9}, {0x00E5, 0x00E0}, {}});  // å: names and the unit only
    EXPECT_EQ(irish->keys.at('a'), (std::vector<char32_t>{0x00E0}));
}

TEST_F(Builder, LeavesLongAuxiliarySetsOut) {
    std::vector<char32_t> loanLetters{0x00E0, 0x00E1, 0x00E2, 0x00E4, 0x00E5, 0x0103, 0x00E6,
                                      0x01E3, 0x00E8, 0x00EA, 0x00F1, 0x00F3, 0x00F6};
    ASSERT_GT(loanLetters.size(), kLargestAuxiliarySet);
    const auto language = builder.build("Test", {{0x00FC}, loanLetters, {}});
    ASSERT_TRUE(language);
    EXPECT_EQ(language->characterCount(), 1u);
}

TEST_F(Builder, AddsInvertedMarksOnlyToLanguagesWithOwnLetters) {
    const auto spanish = builder.build("Test", {{0x00F1}, {}, {0x00A1, U'!', 0x00BF}});
    ASSERT_TRUE(spanish);
    EXPECT_EQ(spanish->keys.at('!'), (std::vector<char32_t>{0x00A1}));
    EXPECT_EQ(spanish->keys.at('?'), (std::vector<char32_t>{0x00BF}));
    EXPECT_FALSE(builder.build("Plain", {{U'a', U'b'}, {}, {0x00A1, 0x00BF}}));
}

TEST_F(Builder, NotesLettersItCannotPlaceAndIgnoresNonLetters) {
    const auto language = builder.build("Test", {{0x01AA, 0x00E9, 0x20AC, 0x1F600}, {}, {}});
    ASSERT_TRUE(language);
    EXPECT_EQ(language->characterCount(), 1u);
    ASSERT_EQ(builder.skipped().size(), 1u);  // the letter is noted; the euro and the unknown code are not letters
    EXPECT_NE(builder.skipped().front().find("U+01AA"), std::string::npos);
}

TEST_F(Builder, TellsLatinScriptSetsByTheirLetters) {
    EXPECT_TRUE(isLatinScript({U'a', 0x00E9, 0x20AC, 0x0301}, ucd));  // non-letters do not count
    EXPECT_FALSE(isLatinScript({0x20AC, 0x0301}, ucd));
    EXPECT_FALSE(isLatinScript({U'a', 0x02BB}, ucd));  // half the letters are not Latin
}

}  // namespace
}  // namespace datagen
