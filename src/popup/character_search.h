#pragma once
// Finding characters by name in the all-characters screen. The user types words; a
// character matches when, for every typed word, some word of its name begins with it
// (letter case ignored), so "e ac" finds "e with acute" and "o stroke" finds "o with
// stroke" but not "d with stroke". Results keep the character table's order.
//
// The names are indexed once per load (lower-cased and with the start of every word
// noted) so that a keystroke costs one pass over the index and allocates nothing but the
// growth of the caller's result list.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "charset/character_table.h"

namespace kz {

class CharacterSearch {
public:
    // Indexes the names of `table`'s records, in table order.
    void index(const CharacterTable& table);
    std::size_t size() const { return recordStart_.empty() ? 0 : recordStart_.size() - 1; }

    // Every record whose name matches all words of `query` into `out` (cleared first), as
    // table indexes. Words are separated by blanks; a query of blanks only matches nothing.
    // Letters of the query are compared ASCII case-insensitively.
    void find(std::string_view query, std::vector<int>& out) const;

private:
    bool matches(std::size_t record, std::string_view query) const;
    bool hasWordStartingWith(std::size_t record, std::string_view word) const;

    std::string names_;                       // every name, lower case, one after another
    std::vector<std::uint32_t> wordStarts_;   // offsets into names_, record by record
    std::vector<std::uint32_t> recordStart_;  // record i's words: [recordStart_[i], recordStart_[i+1])
    std::vector<std::uint32_t> nameEnd_;      // offset just past record i's name
};

// The characters the search text accepts: ASCII letters, digits and the space.
constexpr bool IsSearchCharacter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ';
}

}  // namespace kz
