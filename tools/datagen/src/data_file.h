// data.dat: language records "Name{body}", ordered so that the program's lookup finds each one.
#pragma once

#include <string>
#include <vector>

#include "language.h"

namespace datagen {

// One line per key in ascending key order, "e 00E900E8", lines joined by CR LF.
std::string languageBody(const Language& language);

// The program finds a record by the first case-insensitive occurrence of its name anywhere
// in the file, then the first "{" after it. So a name that occurs inside another record
// ("German" in "Swiss German", or in a body) must come before that record. Returns the
// languages in an order that satisfies this, as close to the given order as possible;
// throws when no order can (two names inside each other's records).
std::vector<Language> orderForLookup(std::vector<Language> languages);

// The records, each followed by CR LF.
std::string renderDataFile(const std::vector<Language>& languages);

// Runs the program's lookup for every name over the finished file and throws unless it
// yields exactly that language's body.
void verifyLookup(const std::string& dataFile, const std::vector<Language>& languages);

}  // namespace datagen
