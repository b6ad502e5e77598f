// The order text merged over a data.dat text: the input is "order", a NUL, then the data.
// Any pair builds a key table with the placeholder and no repeated candidate.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "charset/key_table_builder.h"
#include "charset/language_lookup.h"
#include "platform/sim/code_page.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const kz::sim::Windows1252CodePage codePage;
    static const kz::AnsiTable ansi(codePage);
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min(input.find('\0'), input.size());
    const std::string_view order = input.substr(0, split);
    const std::string_view dataText = input.substr(std::min(split + 1, input.size()));
    const kz::LanguageLookup lookup = [&](std::string_view name) {
        return kz::FindBuiltInLanguage(name, dataText);
    };
    const kz::KeyTable table = kz::MergeLanguages(order, lookup, ansi, size % 2 == 1);
    if (table[kz::kSpaceKey].empty() || table[kz::kSpaceKey].front() != u' ') __builtin_trap();
    for (const auto& entry : table) {
        for (std::size_t i = 0; i < entry.size(); ++i) {
            if (std::find(entry.begin() + static_cast<std::ptrdiff_t>(i) + 1, entry.end(), entry[i]) != entry.end()) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
