#pragma once
// The records of characters.dat and the one-step index from a character code to its
// record. Built by the charset module; read by the popup (case, badge, names) and the
// all-characters screen.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kz {

struct CharacterRecord {
    char16_t code = 0;       // the character (its lower-case form where it has a case)
    char16_t upperCode = 0;  // its upper-case partner, 0 when there is none
    std::int16_t typeNumber = 0;  // 1-based line of groups.dat, 0 = no type
    bool unicodeOnly = false;     // code or upperCode lies outside the system ANSI code page
    std::string name;             // UTF-8, e.g. "e with acute"
};

class CharacterTable {
public:
    // The record whose code or upperCode is `c` (the later line wins), or nullptr when no
    // line names `c`. Two array lookups: it runs for every candidate drawn.
    const CharacterRecord* find(char16_t c) const;

    const std::vector<CharacterRecord>& records() const { return records_; }
    std::size_t size() const { return records_.size(); }

    // Replaces the records with `records` and re-indexes them in order. Index entries of
    // codes no longer named then have no record.
    void assign(std::vector<CharacterRecord> records);

private:
    std::vector<CharacterRecord> records_;
    // Table index + 1 for every code; 0 = no record. In blocks of 256 codes, kept only
    // for the blocks the file names (a few dozen KiB for a whole run instead of 128).
    using Block = std::array<std::uint16_t, 256>;
    std::array<std::uint16_t, 256> blockOf_{};  // block number + 1 for each high byte; 0 = none
    std::vector<Block> blocks_;
    std::uint16_t& slotFor(char16_t c);
};

}  // namespace kz
