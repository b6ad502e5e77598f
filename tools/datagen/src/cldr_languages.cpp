#include "cldr_languages.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <stdexcept>

#include "cldr_reader.h"
#include "language_builder.h"
#include "language_names.h"
#include "unicode_set.h"
#include "utf8.h"

namespace datagen {

namespace {

// The language code of a locale file we read, or empty for files we skip.
std::string languageCodeOf(const std::string& stem) {
    if (stem == "root") return {};
    const std::size_t underscore = stem.find('_');
    if (underscore == std::string::npos) return stem;
    if (stem.substr(underscore) == "_Latn") return stem.substr(0, underscore);
    return {};
}

std::vector<char32_t> parseSet(const std::optional<std::string>& set) {
    return set ? parseUnicodeSet(decodeUtf8(*set)).chars : std::vector<char32_t>{};
}

// Letters a language writes in its own words although CLDR lists them only among its auxiliary
// letters. Turkish marks a long vowel, or the soft consonant before it, with a circumflex
// (kâr, millî, mahkûm); in its long auxiliary set they would never be offered.
const std::map<std::string, std::u32string> kOwnAuxiliaryLetters{{"tr", U"\u00E2\u00EE\u00FB"}};

// The main set's single characters, then the characters of its multi-character strings:
// Uzbek writes its letters with the turned comma only inside {oʻ} and {gʻ}, yet the turned
// comma is what a user must type. Combining marks in strings are dropped by the builder.
std::vector<char32_t> parseMainSet(const std::string& set) {
    auto items = parseUnicodeSet(decodeUtf8(set));
    for (const auto& string : items.strings)
        for (const char32_t c : string)
            if (std::find(items.chars.begin(), items.chars.end(), c) == items.chars.end()) items.chars.push_back(c);
    return items.chars;
}

std::vector<std::filesystem::path> localeFiles(const std::string& dir) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        if (entry.path().extension() == ".xml") files.push_back(entry.path());
    std::sort(files.begin(), files.end());  // plain "sr" before "sr_Latn", and a stable output
    return files;
}

}  // namespace

CollectedLanguages collectLanguages(const std::string& cldrMainDir, const Ucd& ucd) {
    const auto englishNames = readLanguageNames(readWholeFile(cldrMainDir + "/en.xml"));
    CollectedLanguages result;
    LanguageBuilder builder(ucd);
    std::set<std::string> taken;

    for (const auto& path : localeFiles(cldrMainDir)) {
        const std::string code = languageCodeOf(path.stem().string());
        if (code.empty()) continue;
        try {
            const Exemplars exemplars = readExemplars(readWholeFile(path.string()));
            if (!exemplars.main) continue;
            ExemplarChars chars{parseMainSet(*exemplars.main), parseSet(exemplars.auxiliary),
                                parseSet(exemplars.punctuation)};
            if (const auto own = kOwnAuxiliaryLetters.find(code); own != kOwnAuxiliaryLetters.end())
                for (const char32_t c : own->second)
                    if (std::find(chars.main.begin(), chars.main.end(), c) == chars.main.end()) chars.main.push_back(c);
            if (!isLatinScript(chars.main, ucd)) continue;
            const auto englishName = englishNames.find(code);
            if (englishName == englishNames.end()) {
                result.notes.push_back(path.filename().string() + ": no English name, left out");
                continue;
            }
            const std::string name = asciiLanguageName(englishName->second, ucd);
            if (taken.contains(toLowerAscii(name))) continue;
            if (auto language = builder.build(name, chars)) {
                taken.insert(toLowerAscii(name));
                language->locale = path.stem().string();
                result.languages.push_back(std::move(*language));
            }
        } catch (const std::exception& e) {
            throw std::runtime_error(path.string() + ": " + e.what());
        }
    }
    std::sort(result.languages.begin(), result.languages.end(),
              [](const Language& a, const Language& b) { return a.name < b.name; });
    result.notes.insert(result.notes.end(), builder.skipped().begin(), builder.skipped().end());
    return result;
}

}  // namespace datagen
