#include "charset/character_file.h"

#include "charset/data_files.h"
#include "charset/hex_number.h"
#include "charset/text_file.h"
#include "charset/text_split.h"
#include "settings/leading_number.h"

namespace kz {
namespace {

std::optional<CharacterRecord> ParseRecord(std::string_view line, const AnsiTable& ansi) {
    const auto fields = SplitText(line, ";");
    if (fields.size() < 5) return std::nullopt;
    const auto code = ReadCodeField(fields[0]);
    const auto upperCode = ReadCodeField(fields[1]);
    const auto typeNumber = RoundToRange(LeadingNumber(fields[3]), -32768, 32767);
    if (!code || !upperCode || !typeNumber) return std::nullopt;
    CharacterRecord record;
    record.code = *code;
    record.upperCode = *upperCode;
    record.typeNumber = static_cast<std::int16_t>(*typeNumber);
    // Code 0 is always an ANSI character, so an absent partner never sets the flag.
    record.unicodeOnly = !ansi.isAnsi(record.code) || !ansi.isAnsi(record.upperCode);
    record.name = std::string(fields[4]);
    return record;
}

}  // namespace

std::vector<CharacterRecord> ParseCharacterRecords(std::string_view text, const AnsiTable& ansi) {
    std::vector<CharacterRecord> records;
    for (std::string_view line : SplitText(text, "\r\n")) {
        if (auto record = ParseRecord(line, ansi)) records.push_back(std::move(*record));
    }
    return records;
}

void LoadCharacterTable(CharacterTable& table, const std::string& folder,
                        const platform::CodePage& codePage) {
    const std::string text = ReadTextFile(data_files::In(folder, data_files::kCharacters), codePage);
    table.assign(ParseCharacterRecords(text, AnsiTable(codePage)));
}

}  // namespace kz
