#include "character_table.h"

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>

#include "character_naming.h"
#include "key_assignment.h"
#include "utf8.h"

namespace datagen {

namespace {

const std::vector<std::string> kLeadingMarks{
    "with acute",   "with grave",     "with circumflex", "with diaeresis", "with tilde",
    "with ring above", "with cedilla", "with ogonek",    "with caron",     "with breve",
    "with macron",  "with dot above", "with dot below",  "with stroke",    "with double acute",
    "with hook above", "with horn",
};
const std::string kSpecialLetters = "ligatures and special letters";
const std::vector<std::string> kTrailingTypes{kSpecialLetters, "currency", "punctuation", "mathematical",
                                              "other symbols"};

std::string symbolType(SymbolKind kind) {
    switch (kind) {
        case SymbolKind::currency: return "currency";
        case SymbolKind::punctuation: return "punctuation";
        case SymbolKind::mathematical: return "mathematical";
        case SymbolKind::otherSymbol: return "other symbols";
    }
    throw std::logic_error("unknown symbol kind");
}

// Symbols are recognised by the sets that define them; everything else a language offers is a letter.
std::map<char32_t, SymbolKind> symbolKinds() {
    std::map<char32_t, SymbolKind> kinds;
    for (const auto& set : symbolSets())
        for (const auto& entry : set.entries) kinds.emplace(entry.code, entry.kind);
    return kinds;
}

std::vector<std::string> orderTypes(const std::set<std::string>& used) {
    std::vector<std::string> types;
    for (const auto& mark : kLeadingMarks)
        if (used.contains(mark)) types.push_back(mark);
    for (const auto& type : used)  // std::set: alphabetical
        if (std::find(kLeadingMarks.begin(), kLeadingMarks.end(), type) == kLeadingMarks.end() &&
            std::find(kTrailingTypes.begin(), kTrailingTypes.end(), type) == kTrailingTypes.end())
            types.push_back(type);
    for (const auto& type : kTrailingTypes)
        if (used.contains(type)) types.push_back(type);
    return types;
}

struct Draft {
    CharacterRecord record;
    std::string typeName;
};

Draft draftFor(char32_t code, const std::map<char32_t, SymbolKind>& kinds, const Ucd& ucd) {
    Draft draft;
    draft.record.code = code;
    draft.record.name = readableName(code, ucd);
    if (const auto kind = kinds.find(code); kind != kinds.end()) {
        draft.typeName = symbolType(kind->second);
        return draft;
    }
    const char32_t upper = upperPartner(code, ucd);
    if (upper != 0 && upper <= 0xFFFF) draft.record.upper = upper;
    // The i that stands for İ is listed and searched as the letter it is there for.
    if (upper != 0 && upper != ucd.find(code)->upper) draft.record.name = readableName(upper, ucd);
    draft.typeName = markType(draft.record.name);
    if (draft.typeName.empty()) draft.typeName = kSpecialLetters;
    return draft;
}

}  // namespace

CharacterTable buildCharacterTable(const std::vector<Language>& languages, const Ucd& ucd) {
    std::set<char32_t> codes;
    for (const auto& language : languages)
        for (const auto& [key, keyCodes] : language.keys) codes.insert(keyCodes.begin(), keyCodes.end());

    const auto kinds = symbolKinds();
    std::vector<Draft> drafts;
    std::set<std::string> used;
    for (const char32_t code : codes) {  // ascending, so records within a type end up by code
        drafts.push_back(draftFor(code, kinds, ucd));
        used.insert(drafts.back().typeName);
    }

    CharacterTable table;
    table.types = orderTypes(used);
    for (std::size_t t = 0; t < table.types.size(); ++t)
        for (auto& draft : drafts)
            if (draft.typeName == table.types[t]) {
                draft.record.type = static_cast<int>(t + 1);
                table.records.push_back(std::move(draft.record));
            }
    return table;
}

}  // namespace datagen
