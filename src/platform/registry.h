#pragma once
// The raw hierarchical key/value store under the two roots (per-user and machine-wide).
// It knows nothing of the program's rules for reading settings (string type only, the
// first NUL cuts the text, defaults): those live in settings/settings_store.h, so they are
// the same on every backend and testable on the simulated one.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kz::platform {

enum class Scope { PerUser, MachineWide };

enum class ValueType { String, ExpandString, Other };

// A value as stored. `text` is UTF-8 and holds everything the value holds, embedded NULs
// included (the backend strips only the terminating NUL of a string value).
struct RawValue {
    ValueType type = ValueType::Other;
    std::string text;
};

struct ValueName {
    std::string name;  // UTF-8
    ValueType type = ValueType::Other;
};

class Registry {
public:
    virtual ~Registry() = default;
    // keyPath is relative to the scope's root, e.g. "Software\\Kelvra\\Zavora".
    virtual std::optional<RawValue> query(Scope scope, std::string_view keyPath,
                                          std::string_view name) const = 0;
    // Writes a string value, creating missing keys. Returns false when the system refused.
    virtual bool writeString(Scope scope, std::string_view keyPath, std::string_view name,
                             std::string_view text) = 0;
    virtual void remove(Scope scope, std::string_view keyPath, std::string_view name) = 0;
    // Every value of a key in the store's enumeration order; empty when the key cannot be opened.
    virtual std::vector<ValueName> values(Scope scope, std::string_view keyPath) const = 0;
};

// What the store answers when asked for the value at one index of an open key.
enum class IndexAnswer { Value, NoMoreItems, Failed };

// Reads a key's values index by index until the store has no more. Any other failure ends
// the list with what was read: a key deleted while it is read fails at every index, so
// skipping a failed index would keep the caller's thread busy for ever.
std::vector<ValueName> ReadValueNames(const std::function<IndexAnswer(std::uint32_t index, ValueName& value)>& valueAt);

}  // namespace kz::platform
