// Collects the Latin-script languages of a CLDR common/main directory.
#pragma once

#include <string>
#include <vector>

#include "language.h"
#include "ucd.h"

namespace datagen {

struct CollectedLanguages {
    std::vector<Language> languages;  // sorted by name
    std::vector<std::string> notes;   // characters and locales left out, and why
};

// Reads every base locale ("fr.xml") and every Latin variant of a language written in
// another script by default ("sr_Latn.xml"); regional locales ("fr_CA.xml") add nothing a
// user could tell apart in the popup. Names come from the English locale. Throws on files
// it cannot parse, so a changed CLDR release cannot silently shrink the data.
CollectedLanguages collectLanguages(const std::string& cldrMainDir, const Ucd& ucd);

}  // namespace datagen
