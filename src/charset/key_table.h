#pragma once
// The per-key candidate table: for each key code (the ANSI code of the lower-case
// character a key types without modifiers) the characters it offers, in offering order.
// An empty list means the key has no characters; the space key always holds one
// placeholder (a space) that opens the all-characters screen and is never shown.
#include <array>
#include <vector>

namespace kz {

using CandidateList = std::vector<char16_t>;
using KeyTable = std::array<CandidateList, 256>;

}  // namespace kz
