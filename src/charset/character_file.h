#pragma once
// Reading characters.dat into the character table. One record per line, fields separated
// by ";": code (hex), upper-case partner (hex or 0), an unread field, type number
// (decimal), name. Lines with fewer than five fields, a code above FFFF or a type number
// that does not fit 16 bits are skipped; nothing in the file stops the load.
#include <string>
#include <string_view>
#include <vector>

#include "charset/ansi_table.h"
#include "charset/character_table.h"
#include "platform/code_page.h"

namespace kz {

std::vector<CharacterRecord> ParseCharacterRecords(std::string_view text, const AnsiTable& ansi);

// Replaces the table's records with those of `folder`/characters.dat (none when the file
// is missing).
void LoadCharacterTable(CharacterTable& table, const std::string& folder,
                        const platform::CodePage& codePage);

}  // namespace kz
