// characters.dat: any text loads, and every record it keeps is found by its code.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "charset/character_file.h"
#include "platform/sim/code_page.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const kz::sim::Windows1252CodePage codePage;
    static const kz::AnsiTable ansi(codePage);
    static const auto table = std::make_unique<kz::CharacterTable>();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    table->assign(kz::ParseCharacterRecords(text, ansi));
    for (const auto& record : table->records()) {
        const kz::CharacterRecord* found = table->find(record.code);
        if (found == nullptr) __builtin_trap();
        if (record.upperCode != 0 && table->find(record.upperCode) == nullptr) __builtin_trap();
    }
    return 0;
}
