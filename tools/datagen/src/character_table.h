// The records of characters.dat and the type list of groups.dat.
#pragma once

#include <string>
#include <vector>

#include "language.h"
#include "symbol_sets.h"
#include "ucd.h"

namespace datagen {

struct CharacterRecord {
    char32_t code = 0;   // the offered (lower-case) form
    char32_t upper = 0;  // upper-case partner, 0 when none
    int type = 0;        // 1-based line of groups.dat
    std::string name;
};

struct CharacterTable {
    std::vector<std::string> types;  // line k of groups.dat is types[k - 1]
    std::vector<CharacterRecord> records;
};

// One record per character that a language or symbol set offers. Records are grouped by
// type in the order of groups.dat and by code within a type, so the all-characters screen,
// which lists a type's records in file order, shows é before ě before ế.
// Types: the marks in a fixed order of familiarity (acute, grave, circumflex, ...), then any
// further marks alphabetically, then letters without a mark, currency, punctuation,
// mathematical and other symbols. Only types that hold a character are listed.
// A letter's upper-case partner is its simple Unicode upper-case mapping (the i that stands
// for İ excepted, see key_assignment.h); symbols get none, so Shift never turns µ or π into
// a Greek capital.
CharacterTable buildCharacterTable(const std::vector<Language>& languages, const Ucd& ucd);

}  // namespace datagen
