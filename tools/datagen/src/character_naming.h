// Readable character names and the character type (mark) they imply.
#pragma once

#include <string>

#include "ucd.h"

namespace datagen {

// Lower-case ASCII name: "e with acute", "sharp s", "oe ligature", "euro sign".
// Latin letters lose their "LATIN SMALL LETTER" prefix so that the popup's accent search for
// "with acute" and the all-characters screen read naturally. Throws when the code is unknown.
std::string readableName(char32_t code, const Ucd& ucd);

// The type a letter belongs to, from its readable name: "with acute" for "e with acute".
// A letter with several marks ("a with circumflex and acute") is filed under its last-named,
// outermost mark, so that types stay per mark. Empty for letters without a mark.
std::string markType(const std::string& readableLetterName);

}  // namespace datagen
