#include "settings/settings_store.h"

namespace kz {

std::string SettingsStore::keyPath(std::string_view section) {
    std::string path = "Software\\Kelvra\\";
    path += section;
    return path;
}

std::string SettingsStore::read(Scope scope, std::string_view section, std::string_view name,
                                std::string_view fallback) const {
    const auto value = registry_.query(scope, keyPath(section), name);
    // Only REG_SZ counts: an expandable string is another type and reads as the default,
    // just as a number does.
    if (!value || value->type != platform::ValueType::String) return std::string(fallback);
    const auto nul = value->text.find('\0');
    return nul == std::string::npos ? value->text : value->text.substr(0, nul);
}

void SettingsStore::write(Scope scope, std::string_view section, std::string_view name,
                          std::string_view text) {
    registry_.writeString(scope, keyPath(section), name, text);
}

void SettingsStore::write(Scope scope, std::string_view section, std::string_view name,
                          long long number) {
    write(scope, section, name, std::to_string(number));
}

void SettingsStore::remove(Scope scope, std::string_view section, std::string_view name) {
    registry_.remove(scope, keyPath(section), name);
}

}  // namespace kz
