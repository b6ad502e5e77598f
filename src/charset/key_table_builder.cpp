#include "charset/key_table_builder.h"

#include <algorithm>

#include "charset/character_file.h"
#include "charset/data_files.h"
#include "charset/language_body.h"
#include "charset/language_lookup.h"
#include "charset/language_order.h"
#include "charset/text_file.h"

namespace kz {
namespace {

void AppendOnce(CandidateList& entry, char16_t c) {
    if (std::find(entry.begin(), entry.end(), c) == entry.end()) entry.push_back(c);
}

}  // namespace

bool IsEuroLayout(std::string_view layoutName) {
    const std::string_view id = layoutName.substr(0, 8);
    return id == "00020409" || id == "00000809";
}

KeyTable MergeLanguages(std::string_view orderText, const LanguageLookup& lookup,
                        const AnsiTable& ansi, bool euroFirst) {
    KeyTable table;
    table[kSpaceKey].push_back(u' ');
    if (euroFirst) table[kEuroKey].push_back(kEuroSign);
    for (const LanguageOrderEntry& entry : ParseLanguageOrder(orderText)) {
        if (!entry.enabled) continue;
        for (const BodyLine& line : ReadLanguageBody(lookup(entry.name), ansi)) {
            for (char16_t c : line.characters) AppendOnce(table[line.key], c);
        }
    }
    return table;
}

KeyTable BuildKeyTable(const LanguageSources& sources, CharacterTable& characters) {
    LoadCharacterTable(characters, sources.folder, sources.codePage);
    const std::string data = ReadTextFile(data_files::In(sources.folder, data_files::kLanguages), sources.codePage);
    const std::string order = ReadLanguageOrder(sources.store, sources.folder, sources.codePage);
    const LanguageLookup lookup = [&](std::string_view name) {
        return LookupLanguage(sources.store, name, data, false);
    };
    return MergeLanguages(order, lookup, AnsiTable(sources.codePage), IsEuroLayout(sources.keyboard.layoutName()));
}

}  // namespace kz
