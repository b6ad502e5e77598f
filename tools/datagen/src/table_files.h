// characters.dat, groups.dat and order.dat, and writing any of the files to disk.
#pragma once

#include <string>
#include <vector>

#include "character_table.h"

namespace datagen {

// "00E9;00C9;233;1;e with acute" per record: code, upper-case partner (0 when none), the
// decimal code for a human reader, type number, name.
std::string renderCharactersFile(const CharacterTable& table);

// "1;with acute" per type.
std::string renderGroupsFile(const CharacterTable& table);

// One line: the enabled names in the given order, then every other name with "!".
std::string renderOrderFile(const std::vector<std::string>& enabled, const std::vector<std::string>& disabled);

void writeBinaryFile(const std::string& path, const std::string& content);

}  // namespace datagen
