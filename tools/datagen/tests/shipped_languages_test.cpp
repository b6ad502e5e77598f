// The committed data files against the Unicode and CLDR releases they are generated from:
// every language lets its users type each letter of its own alphabet, in the case it is
// written, and offers no letter from outside its main and auxiliary exemplar sets.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "cldr_languages.h"
#include "cldr_reader.h"
#include "symbol_sets.h"
#include "unicode_set.h"
#include "utf8.h"

namespace datagen {
namespace {

// characters.dat lines "00E9;00C9;...": each offered character with its upper-case partner.
std::map<char32_t, char32_t> readUpperPartners(const std::string& file) {
    std::map<char32_t, char32_t> partners;
    std::istringstream lines(file);
    for (std::string line; std::getline(lines, line);)
        partners[std::stoul(line, nullptr, 16)] = std::stoul(line.substr(line.find(';') + 1), nullptr, 16);
    return partners;
}

// data.dat records "Name{e 00E900E8\r\nu 00FC}": each language's offered characters.
std::map<std::string, std::vector<char32_t>> readOffers(const std::string& file) {
    std::map<std::string, std::vector<char32_t>> offers;
    for (std::size_t at = 0, open; (open = file.find('{', at)) != std::string::npos; at = file.find('}', open) + 3) {
        auto& codes = offers[file.substr(at, open - at)];
        std::istringstream lines(file.substr(open + 1, file.find('}', open) - open - 1));
        for (std::string line; std::getline(lines, line);)
            for (std::size_t i = 2; i + 4 <= line.size(); i += 4) codes.push_back(std::stoul(line.substr(i, 4), nullptr, 16));
    }
    return offers;
}

// A set's characters, those inside its multi-character strings included.
std::set<char32_t> lettersOf(const std::optional<std::string>& set) {
    std::set<char32_t> letters;
    if (!set) return letters;
    const auto items = parseUnicodeSet(decodeUtf8(*set));
    letters.insert(items.chars.begin(), items.chars.end());
    for (const auto& string : items.strings) letters.insert(string.begin(), string.end());
    return letters;
}

TEST(ShippedLanguages, OfferTheirOwnAlphabetAndNothingFromOutside) {
    if (!std::filesystem::exists(DATAGEN_UCD) || !std::filesystem::exists(DATAGEN_CLDR_MAIN))
        GTEST_SKIP() << "needs the unicode-data and unicode-cldr-core packages";
    const Ucd ucd = Ucd::readFile(DATAGEN_UCD);
    const auto partners = readUpperPartners(readWholeFile(DATAGEN_DATA_DIR "/characters.dat"));
    const auto shipped = readOffers(readWholeFile(DATAGEN_DATA_DIR "/data.dat"));
    const auto languages = collectLanguages(DATAGEN_CLDR_MAIN, ucd).languages;
    EXPECT_EQ(shipped.size(), languages.size() + symbolSets().size());  // every language is checked below

    for (const auto& language : languages) {
        const Exemplars sets = readExemplars(readWholeFile(DATAGEN_CLDR_MAIN "/" + language.locale + ".xml"));
        const std::set<char32_t> main = lettersOf(sets.main);
        std::set<char32_t> known = lettersOf(sets.auxiliary);
        known.insert(main.begin(), main.end());
        const auto inSets = [&](char32_t c) { return known.contains(c) || known.contains(ucd.find(c)->upper); };

        ASSERT_TRUE(shipped.contains(language.name)) << language.name;
        std::set<char32_t> offered, shifted;
        for (const char32_t c : shipped.at(language.name)) {
            offered.insert(c);
            const char32_t upper = partners.contains(c) ? partners.at(c) : 0;
            if (upper != 0) shifted.insert(upper);
            if (!ucd.isLetter(c)) continue;  // ¡ and ¿ come from the punctuation set
            EXPECT_TRUE(inSets(c)) << language.name << " offers " << describeCode(c);
            if (upper != 0 && upper != ucd.find(c)->upper) {
                EXPECT_TRUE(inSets(upper)) << language.name << " types " << describeCode(upper) << " with Shift";
            }
        }
        for (const char32_t c : main) {
            if (c < 0x80 || !ucd.isLetter(c)) continue;
            const bool capitalOnly = ucd.find(c)->category == "Lu";  // İ: typed with Shift
            EXPECT_TRUE((capitalOnly ? shifted : offered).contains(c)) << language.name << " lacks " << describeCode(c);
        }
    }
}

}  // namespace
}  // namespace datagen
