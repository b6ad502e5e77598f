// Consistency checks run over the generated data before anything is written.
#pragma once

#include <string>
#include <vector>

#include "character_table.h"
#include "language.h"

namespace datagen {

// Every offered character has exactly one record, every record's type exists, and no code is
// named twice (as a code or as an upper-case partner), since the program's code index keeps
// only the last record for a code.
void checkCharacterTable(const CharacterTable& table, const std::vector<Language>& languages);

// Every line of every body is "k " followed by groups of four upper-case hexadecimal digits.
void checkBodies(const std::vector<Language>& languages);

// The files must read the same under any ANSI code page, with CR LF line ends only.
void checkPlainText(const std::string& fileName, const std::string& content);

}  // namespace datagen
