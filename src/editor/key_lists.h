#pragma once
// The editor's 256 key lists: for each key code the characters assigned to it, in order.
// A position in a list counts characters (units), never halves of one.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "charset/ansi_table.h"
#include "charset/key_table.h"

namespace kz::editor {

class KeyLists {
public:
    const CandidateList& operator[](std::uint8_t keyCode) const { return lists_[keyCode]; }
    CandidateList& operator[](std::uint8_t keyCode) { return lists_[keyCode]; }

    void clear();
    // True when no key code from 1 to 255 has a character.
    bool empty() const;

    // Adds the characters of a language body (CR LF or ";;" lines), each appended to its
    // key's list unless that list already holds it.
    void addBody(std::string_view body, const AnsiTable& ansi);

    // The body as it is stored: one line per key code from 1 to 255 that has characters,
    // in ascending order; a line is the key code's character, a blank and each character
    // as four upper-case hexadecimal digits; lines are joined by ";;" with none at the
    // end. Empty when no key has characters.
    std::string body(const AnsiTable& ansi) const;

private:
    std::array<CandidateList, 256> lists_;
};

// The edits of one list. Each returns the selection that follows the edit.
enum class Move { Up = 0, Down = 1, ToTop = 2, ToBottom = 3 };

// Puts `c` directly after the unit at `selection` (as the only unit of an empty list);
// the selection moves onto it.
std::size_t InsertAfter(CandidateList& list, std::size_t selection, char16_t c);
// Removes the unit at `selection`; the selection stays where it was, kept within the list.
// An empty list is left as it is.
std::size_t RemoveAt(CandidateList& list, std::size_t selection);
// Moves the unit at `selection`; a move past either end changes nothing.
std::size_t MoveUnit(CandidateList& list, std::size_t selection, Move move);

}  // namespace kz::editor
