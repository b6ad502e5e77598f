// The symbol collections shipped as languages beside the CLDR languages.
#pragma once

#include <string>
#include <vector>

namespace datagen {

enum class SymbolKind { currency, punctuation, mathematical, otherSymbol };

struct SymbolEntry {
    char32_t code;
    std::string keys;  // every key that offers the symbol
    SymbolKind kind;
};

struct SymbolSet {
    std::string name;
    std::vector<SymbolEntry> entries;  // offering order within a key
};

const std::vector<SymbolSet>& symbolSets();

}  // namespace datagen
