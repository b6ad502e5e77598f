// Language names as the program shows and looks them up: ASCII, proper case.
#pragma once

#include <string>

#include "ucd.h"

namespace datagen {

// "Norwegian Bokmål" -> "Norwegian Bokmal", "kʼicheʼ" -> "K'iche'": marks are dropped through
// the canonical decomposition and apostrophe-like letters become "'", so the name reads the
// same under every ANSI code page. Each word (also after a hyphen, "Jola-Fonyi") starts
// upper case and the rest is lower case. Throws when a character cannot be
// written in ASCII, or when the name holds ";", "{", "}" or starts with "!", which the data
// formats reserve.
std::string asciiLanguageName(const std::string& utf8Name, const Ucd& ucd);

}  // namespace datagen
