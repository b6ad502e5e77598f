// Turns a CLDR locale's exemplar sets into a language, and symbol sets into languages.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "language.h"
#include "symbol_sets.h"
#include "ucd.h"

namespace datagen {

struct ExemplarChars {
    std::vector<char32_t> main;
    std::vector<char32_t> auxiliary;
    std::vector<char32_t> punctuation;
};

// The popup shows about this many rows; auxiliary letters never push a key beyond it.
inline constexpr std::size_t kVisibleRows = 9;
// CLDR's auxiliary sets are mostly the same few dozen loan-word letters in every language;
// only a short set says something about the language itself.
inline constexpr std::size_t kLargestAuxiliarySet = 12;
// CLDR adds å to the auxiliary letters of languages that meet it only in Nordic names and
// the ångström unit (Irish, Serbian); it is offered only where the main set holds it.
inline constexpr char32_t kARingAbove = 0x00E5;

// True when at least 80 % of the letters of the main exemplar set are Latin letters.
bool isLatinScript(const std::vector<char32_t>& mainSet, const Ucd& ucd);

class LanguageBuilder {
public:
    explicit LanguageBuilder(const Ucd& ucd) : ucd_(ucd) {}

    // Offers every BMP letter beyond a-z of the main set under its key, in exemplar order;
    // then a short auxiliary set (without å) within the row limit; then the inverted ¡ and ¿ when the
    // language's punctuation uses them. Characters without a sensible key are noted in
    // skipped() and left out. Nullopt when no letter beyond a-z remains.
    std::optional<Language> build(const std::string& name, const ExemplarChars& exemplars);

    static Language fromSymbolSet(const SymbolSet& set);

    const std::vector<std::string>& skipped() const { return skipped_; }

private:
    struct Offer {
        char key;
        char32_t code;
    };

    std::vector<Offer> offersOf(const std::string& name, const std::vector<char32_t>& chars);

    const Ucd& ucd_;
    std::vector<std::string> skipped_;
};

}  // namespace datagen
