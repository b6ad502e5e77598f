// Which keyboard key a character is offered on, and the case form it is offered in.
#pragma once

#include <optional>

#include "ucd.h"

namespace datagen {

// The form a character is offered in: an upper-case-only letter (say İ in a Turkish set)
// is folded to its lower-case partner; anything else is returned unchanged.
char32_t offeredForm(char32_t code, const Ucd& ucd);

// The key a user would guess for the character: the base letter of its canonical
// decomposition (é on e), else the letter it is read as (ß on s, ø on o), else nullopt when
// no key makes sense. The key is a lower-case US keyboard character.
std::optional<char> keyFor(char32_t code, const Ucd& ucd);

// Keys that may appear at the start of a body line: the unshifted and shifted characters of
// a US keyboard, lower-case letters only, without "{", "}" and ";", which would break the
// data.dat record braces or the ";;" line joints of stored languages.
bool isUsableKey(char key);

}  // namespace datagen
