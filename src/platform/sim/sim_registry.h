#pragma once
// An in-memory registry shared by every simulated process. Key paths and value names
// compare without regard to ASCII case, as in the system registry; values keep the
// order in which they were created.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace kz::sim {

class SimRegistry final : public platform::Registry {
public:
    std::optional<platform::RawValue> query(platform::Scope scope, std::string_view keyPath,
                                            std::string_view name) const override;
    bool writeString(platform::Scope scope, std::string_view keyPath, std::string_view name,
                     std::string_view text) override;
    void remove(platform::Scope scope, std::string_view keyPath, std::string_view name) override;
    std::vector<platform::ValueName> values(platform::Scope scope,
                                            std::string_view keyPath) const override;

    // Test set-up: store a value of any type (a number, an expandable string, embedded NULs).
    void setRaw(platform::Scope scope, std::string_view keyPath, std::string_view name,
                platform::RawValue value);
    bool keyExists(platform::Scope scope, std::string_view keyPath) const;
    // Simulates a user who may not write a scope (typically the machine-wide one).
    // A scope that is not writable refuses writes and deletions, as the machine-wide root
    // does for a standard user on Windows.
    void setWritable(platform::Scope scope, bool writable);
    bool writable(platform::Scope scope) const;
    // Another program deletes the key while it is being read, once `valuesRead` of its
    // values are: from there on every index fails, as for an open handle to a deleted key.
    void deleteKeyWhileRead(platform::Scope scope, std::string_view keyPath, std::size_t valuesRead);
    // How many indexes the last values() asked the store for.
    std::size_t indexesAsked() const { return indexesAsked_; }

private:
    struct Key {
        std::vector<std::pair<std::string, platform::RawValue>> values;
        std::size_t deletedAfter = SIZE_MAX;  // see deleteKeyWhileRead
    };
    using Keys = std::map<std::string, Key>;  // by lower-cased path

    Keys& keys(platform::Scope scope);
    const Keys& keys(platform::Scope scope) const;
    void createKey(platform::Scope scope, std::string_view keyPath);

    Keys perUser_;
    Keys machineWide_;
    bool perUserWritable_ = true;
    bool machineWideWritable_ = true;
    mutable std::size_t indexesAsked_ = 0;
};

}  // namespace kz::sim
