#include "popup/all_characters_data.h"

#include <algorithm>

#include "charset/data_files.h"
#include "charset/group_file.h"
#include "charset/language_lookup.h"
#include "charset/language_order.h"
#include "charset/letter_case.h"
#include "charset/text_file.h"
#include "charset/text_split.h"
#include "charset/user_languages.h"
#include "settings/setting_access.h"
#include "settings/settings_table.h"

namespace kz {
namespace {

bool Mentions(std::string_view order, std::string_view name) {
    const std::string enabled = ";" + std::string(name) + ";";
    const std::string disabled = ";!" + std::string(name) + ";";
    return FindIgnoringCase(order, enabled) != std::string_view::npos ||
           FindIgnoringCase(order, disabled) != std::string_view::npos;
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

}  // namespace

CharacterTypes ReadCharacterTypes(std::string_view groupsText) {
    CharacterTypes types;
    const std::vector<std::string> lines = ParseGroupNames(groupsText);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        types.names.push_back(lines[i]);
        types.typeNumbers.push_back(static_cast<int>(i + 1));
    }
    return types;
}

std::vector<std::string> BuildLanguageList(std::string_view order, std::string_view defaultOrder,
                                           std::string_view userNames,
                                           const std::function<bool(std::string_view)>& known) {
    std::string all = ";" + std::string(order) + ";";
    const std::string candidates = std::string(defaultOrder) + ";" + std::string(userNames);
    for (std::string_view name : SplitText(candidates, ";")) {
        if (!name.empty() && !Mentions(all, name)) {
            all += name;
            all += ';';
        }
    }

    std::vector<std::string> names;
    std::vector<std::string> folded;  // the names in lower case, for the duplicate test
    for (std::string_view entry : SplitText(all, ";")) {
        if (names.size() == kMaxScreenEntries) break;
        if (entry.empty()) continue;
        if (entry.front() == '!') entry.remove_prefix(1);
        std::string lower = ToLowerText(entry);
        if (std::find(folded.begin(), folded.end(), lower) != folded.end()) continue;
        if (!known(entry)) continue;
        names.emplace_back(entry);
        folded.push_back(std::move(lower));
    }
    return names;
}

AllCharactersData LoadAllCharactersData(SettingsStore& store, const std::string& folder,
                                        const platform::CodePage& codePage) {
    AllCharactersData data;
    data.types = ReadCharacterTypes(ReadTextFile(data_files::In(folder, data_files::kGroups), codePage));
    data.dataText = ReadTextFile(data_files::In(folder, data_files::kLanguages), codePage);
    const std::string defaultOrder = ReadDefaultOrder(folder, codePage);
    std::string order = settings::Read(store, settings::kLanguages);
    if (TrimSpaces(order).empty()) order = defaultOrder;
    const std::string& dataText = data.dataText;
    data.languageNames = BuildLanguageList(order, defaultOrder, UserLanguageNames(store.registry()),
                                           [&](std::string_view name) {
                                               return !IsBlank(LookupLanguage(store, name, dataText, false));
                                           });
    return data;
}

}  // namespace kz
