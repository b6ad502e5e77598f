#pragma once
// The settings store: named text values addressed by section, value name and scope,
// under "Software\Kelvra\<section>". Only plain string values count: a value of any
// other type (a number, an expandable string), a missing value or a missing key reads as
// the caller's default. The store keeps no cache; every read goes to the registry.
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace kz {

using platform::Scope;

class SettingsStore {
public:
    explicit SettingsStore(platform::Registry& registry) : registry_(registry) {}

    // The stored text up to its first NUL, or `fallback` when it cannot be read as a string.
    // An empty stored string reads as empty, not as the default.
    std::string read(Scope scope, std::string_view section, std::string_view name,
                     std::string_view fallback) const;
    // Writes a string value, creating missing keys. A refused write is lost silently.
    void write(Scope scope, std::string_view section, std::string_view name,
               std::string_view text);
    void write(Scope scope, std::string_view section, std::string_view name, long long number);
    // Removes the value; the key stays. Removing a missing value does nothing.
    void remove(Scope scope, std::string_view section, std::string_view name);

    static std::string keyPath(std::string_view section);

    platform::Registry& registry() { return registry_; }

private:
    platform::Registry& registry_;
};

}  // namespace kz
