#include "charset/language_order.h"

#include "charset/data_files.h"
#include "charset/text_file.h"
#include "charset/text_split.h"
#include "settings/setting_access.h"
#include "settings/settings_table.h"

namespace kz {

std::vector<LanguageOrderEntry> ParseLanguageOrder(std::string_view orderText) {
    std::vector<LanguageOrderEntry> entries;
    for (std::string_view entry : SplitText(orderText, ";")) {
        if (entry.empty()) continue;
        const bool disabled = entry.front() == '!';
        if (disabled) entry.remove_prefix(1);
        entries.push_back({std::string(entry), !disabled});
    }
    return entries;
}

std::string ReadDefaultOrder(const std::string& folder, const platform::CodePage& codePage) {
    return ReadTextFile(data_files::In(folder, data_files::kOrder), codePage);
}

std::string ReadLanguageOrder(const SettingsStore& store, const std::string& folder,
                              const platform::CodePage& codePage) {
    std::string order = settings::Read(store, settings::kLanguages);
    if (TrimSpaces(order).empty()) order = ReadDefaultOrder(folder, codePage);
    return order;
}

}  // namespace kz
