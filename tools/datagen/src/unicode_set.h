// Parser for the UnicodeSet notation of CLDR exemplar sets: "[a á b-d \u00E9 {ch}]".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace datagen {

struct UnicodeSetItems {
    std::vector<char32_t> chars;          // in the order written, ranges expanded, no repeats
    std::vector<std::u32string> strings;  // multi-character strings in braces, e.g. "ch"
};

// Parses "[a á b-d \u00E9 {ch}]". A one-character string in braces counts as a character.
// Throws std::runtime_error on syntax it does not support (negation, nested sets,
// properties) rather than guess.
UnicodeSetItems parseUnicodeSet(std::u32string_view text);

}  // namespace datagen
