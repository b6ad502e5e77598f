#include <gtest/gtest.h>

#include <stdexcept>

#include "data_file.h"

namespace datagen {
namespace {

Language language(std::string name, std::map<char, std::vector<char32_t>> keys = {{'e', {0x00E9}}}) {
    return Language{std::move(name), std::move(keys), {}};
}

std::vector<std::string> namesOf(const std::vector<Language>& languages) {
    std::vector<std::string> names;
    for (const auto& l : languages) names.push_back(l.name);
    return names;
}

TEST(LanguageBody, WritesOneLinePerKeyWithFourUpperCaseDigitsPerCharacter) {
    const auto body = languageBody(language("X", {{'u', {0x00FC}}, {'e', {0x00E9, 0x00E8, 0x1EBF}}}));
    EXPECT_EQ(body, "e 00E900E81EBF\r\nu 00FC");
}

TEST(LookupOrder, PutsANameBeforeEveryRecordThatContainsIt) {
    const auto ordered = orderForLookup({language("Low German"), language("Swiss German"), language("German"),
                                         language("Zulu")});
    EXPECT_EQ(namesOf(ordered), (std::vector<std::string>{"German", "Low German", "Swiss German", "Zulu"}));
    EXPECT_NO_THROW(verifyLookup(renderDataFile(ordered), ordered));
}

TEST(LookupOrder, CountsOccurrencesInsideBodiesIgnoringCase) {
    // U+0ACE is written "0ACE", which spells the name "Ace".
    const auto ordered = orderForLookup({language("Bee", {{'a', {0x0ACE}}}), language("Ace")});
    EXPECT_EQ(namesOf(ordered), (std::vector<std::string>{"Ace", "Bee"}));
}

TEST(LookupOrder, FailsWhenTwoNamesOccurInEachOthersRecords) {
    EXPECT_THROW(orderForLookup({language("Ace", {{'b', {0x0BAD}}}), language("Bad", {{'a', {0x0ACE}}})}),
                 std::runtime_error);
}

TEST(LookupVerification, CatchesARecordShadowedByAnEarlierName) {
    const std::vector<Language> wrong{language("Swiss German", {{'a', {0x00E4}}}), language("German")};
    EXPECT_THROW(verifyLookup(renderDataFile(wrong), wrong), std::runtime_error);
}

TEST(DataFile, EndsEveryRecordWithCrLf) {
    EXPECT_EQ(renderDataFile({language("A"), language("B", {{'o', {0x00F6}}})}), "A{e 00E9}\r\nB{o 00F6}\r\n");
}

}  // namespace
}  // namespace datagen
