// Generates the four data files of Kelvra Zavora from UnicodeData.txt and CLDR:
//   datagen --ucd UnicodeData.txt --cldr .../common/main --out data-dir
// Runs at development time; the output is deterministic, so regenerating from the same
// Unicode and CLDR releases reproduces the files byte for byte.
#include <algorithm>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string>

#include "character_table.h"
#include "cldr_languages.h"
#include "data_file.h"
#include "language_builder.h"
#include "self_checks.h"
#include "symbol_sets.h"
#include "table_files.h"
#include "ucd.h"

namespace {

using namespace datagen;

const std::vector<std::string> kEnabledByDefault{"French", "German", "Spanish", "Italian", "Portuguese"};
constexpr std::size_t kMinimumLanguages = 60;

std::map<std::string, std::string> parseArguments(int argc, char** argv) {
    std::map<std::string, std::string> options;
    for (int i = 1; i + 1 < argc; i += 2) options[argv[i]] = argv[i + 1];
    for (const char* required : {"--ucd", "--cldr", "--out"})
        if (!options.contains(required))
            throw std::runtime_error("usage: datagen --ucd UnicodeData.txt --cldr CLDR/common/main --out DIR");
    return options;
}

std::vector<std::string> disabledNames(const std::vector<Language>& languages, const std::vector<Language>& symbols) {
    std::vector<std::string> names;
    for (const auto& language : languages)
        if (std::find(kEnabledByDefault.begin(), kEnabledByDefault.end(), language.name) == kEnabledByDefault.end())
            names.push_back(language.name);
    for (const auto& set : symbols) names.push_back(set.name);
    return names;
}

int run(int argc, char** argv) {
    const auto options = parseArguments(argc, argv);
    const Ucd ucd = Ucd::readFile(options.at("--ucd"));
    const CollectedLanguages collected = collectLanguages(options.at("--cldr"), ucd);
    for (const auto& note : collected.notes) std::cerr << "note: " << note << '\n';

    if (collected.languages.size() < kMinimumLanguages)
        throw std::runtime_error("only " + std::to_string(collected.languages.size()) + " languages found");
    for (const auto& name : kEnabledByDefault)
        if (std::none_of(collected.languages.begin(), collected.languages.end(),
                         [&](const Language& l) { return l.name == name; }))
            throw std::runtime_error("default language " + name + " is missing");

    std::vector<Language> symbols;
    for (const auto& set : symbolSets()) symbols.push_back(LanguageBuilder::fromSymbolSet(set));
    std::vector<Language> all = collected.languages;
    all.insert(all.end(), symbols.begin(), symbols.end());

    const CharacterTable table = buildCharacterTable(all, ucd);
    checkCharacterTable(table, all);
    checkBodies(all);

    const std::vector<Language> ordered = orderForLookup(all);
    const std::string data = renderDataFile(ordered);
    verifyLookup(data, ordered);

    const std::map<std::string, std::string> files{
        {"data.dat", data},
        {"characters.dat", renderCharactersFile(table)},
        {"groups.dat", renderGroupsFile(table)},
        {"order.dat", renderOrderFile(kEnabledByDefault, disabledNames(collected.languages, symbols))},
    };
    for (const auto& [name, content] : files) checkPlainText(name, content);
    for (const auto& [name, content] : files) writeBinaryFile(options.at("--out") + "/" + name, content);

    std::cout << collected.languages.size() << " languages and " << symbols.size() << " symbol sets, "
              << table.records.size() << " characters, " << table.types.size() << " types\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "datagen: " << e.what() << '\n';
        return 1;
    }
}
