#include "charset/user_languages.h"

#include "charset/letter_case.h"
#include "charset/text_split.h"
#include "settings/settings_store.h"
#include "settings/settings_table.h"

namespace kz {

std::string UserLanguageNames(const platform::Registry& registry) {
    std::string names;
    const auto values = registry.values(settings::kUserLanguagesScope,
                                        SettingsStore::keyPath(settings::kLanguagesSection));
    for (const platform::ValueName& value : values) {
        if (value.type != platform::ValueType::String && value.type != platform::ValueType::ExpandString) continue;
        const std::string_view name = TrimSpaces(value.name);
        if (name.empty() || name.find(';') != std::string_view::npos) continue;
        names += ToProperCase(name);
        names += ';';
    }
    return names;
}

}  // namespace kz
