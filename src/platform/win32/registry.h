#pragma once
// The registry through the W functions, under HKEY_CURRENT_USER (per-user) and
// HKEY_LOCAL_MACHINE (machine-wide). Text is UTF-8 on our side, so language names
// outside the ANSI code page survive.
#include "platform/registry.h"

namespace kz::win32 {

class Win32Registry final : public platform::Registry {
public:
    std::optional<platform::RawValue> query(platform::Scope scope, std::string_view keyPath,
                                            std::string_view name) const override;
    bool writeString(platform::Scope scope, std::string_view keyPath, std::string_view name,
                     std::string_view text) override;
    void remove(platform::Scope scope, std::string_view keyPath, std::string_view name) override;
    std::vector<platform::ValueName> values(platform::Scope scope,
                                            std::string_view keyPath) const override;
};

}  // namespace kz::win32
