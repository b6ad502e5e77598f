#pragma once
// Reading a language body: the text that gives each key of one language its characters.
// Lines end at CR LF or at ";;" (a stored user language uses ";;"). A line is the key's
// character, one separating character (a blank), then the characters as groups of four
// hexadecimal digits with nothing between them ("e 00E900E8": é and è on the key e); a
// last group of fewer digits is read as the number it spells. The key is the ANSI code
// of the key character in lower case, so "E 00C9" files under e.
// Skipped, never fatal: lines of two characters or fewer, a key character that has no
// ANSI code, and groups that are not hexadecimal.
#include <cstdint>
#include <string_view>
#include <vector>

#include "charset/ansi_table.h"
#include "charset/key_table.h"

namespace kz {

struct BodyLine {
    std::uint8_t key = 0;       // the key code
    CandidateList characters;   // in written order, repeats kept
};

// The lines in body order. Several lines may name the same key.
std::vector<BodyLine> ReadLanguageBody(std::string_view body, const AnsiTable& ansi);

}  // namespace kz
