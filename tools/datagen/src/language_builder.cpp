#include "language_builder.h"

#include <algorithm>
#include <stdexcept>

#include "key_assignment.h"
#include "utf8.h"

namespace datagen {

namespace {

constexpr char32_t kInvertedExclamation = 0x00A1;
constexpr char32_t kInvertedQuestion = 0x00BF;

void append(Language& language, char key, char32_t code) {
    auto& codes = language.keys[key];
    if (std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(code);
}

}  // namespace

bool isLatinScript(const std::vector<char32_t>& mainSet, const Ucd& ucd) {
    std::size_t letters = 0;
    std::size_t latin = 0;
    for (const char32_t code : mainSet) {
        if (!ucd.isLetter(code)) continue;
        ++letters;
        if (ucd.find(code)->name.starts_with("LATIN ")) ++latin;
    }
    return letters > 0 && latin * 5 >= letters * 4;
}

std::vector<LanguageBuilder::Offer> LanguageBuilder::offersOf(const std::string& name,
                                                              const std::vector<char32_t>& chars) {
    std::vector<Offer> offers;
    for (const char32_t original : chars) {
        if (!ucd_.isLetter(original)) continue;  // combining marks, digits, stray symbols
        const char32_t code = offeredForm(original, ucd_);
        if (typedByKeyboard(original, code)) continue;
        if (code > 0xFFFF) {
            skipped_.push_back(name + ": " + describeCode(code) + " lies beyond the BMP");
            continue;
        }
        const auto key = keyFor(code, ucd_);
        if (!key) {
            skipped_.push_back(name + ": " + describeCode(code) + " " + ucd_.find(code)->name + " has no sensible key");
            continue;
        }
        if (!isUsableKey(*key)) throw std::logic_error("unusable key for " + describeCode(code));
        offers.push_back({*key, code});
    }
    return offers;
}

std::optional<Language> LanguageBuilder::build(const std::string& name, const ExemplarChars& exemplars) {
    Language language{name, {}, {}};
    for (const auto& offer : offersOf(name, exemplars.main)) append(language, offer.key, offer.code);

    std::vector<Offer> extra;
    for (const auto& offer : offersOf(name, exemplars.auxiliary))
        if (!language.offers(offer.code)) extra.push_back(offer);
    if (extra.size() <= kLargestAuxiliarySet) {
        for (const auto& offer : extra)
            if (offer.code != kARingAbove && language.keys[offer.key].size() < kVisibleRows)
                append(language, offer.key, offer.code);
    }

    std::erase_if(language.keys, [](const auto& key) { return key.second.empty(); });
    if (language.keys.empty()) return std::nullopt;

    const auto& punctuation = exemplars.punctuation;
    for (const auto& [code, key] : {std::pair{kInvertedExclamation, '!'}, std::pair{kInvertedQuestion, '?'}})
        if (std::find(punctuation.begin(), punctuation.end(), code) != punctuation.end()) append(language, key, code);
    return language;
}

Language LanguageBuilder::fromSymbolSet(const SymbolSet& set) {
    Language language{set.name, {}, {}};
    for (const auto& entry : set.entries)
        for (const char key : entry.keys) {
            if (!isUsableKey(key)) throw std::logic_error(set.name + ": unusable key");
            append(language, key, entry.code);
        }
    return language;
}

}  // namespace datagen
