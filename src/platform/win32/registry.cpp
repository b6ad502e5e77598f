#include "platform/win32/registry.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace kz::win32 {
namespace {

// No setting of ours comes near this; a bigger value is damage or hostility and reads as
// unreadable (the caller's default) instead of costing the memory.
constexpr DWORD kMaxValueBytes = 16u * 1024u * 1024u;

class KeyHolder {
public:
    KeyHolder() = default;
    ~KeyHolder() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    KeyHolder(const KeyHolder&) = delete;
    KeyHolder& operator=(const KeyHolder&) = delete;
    HKEY* out() { return &key_; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

HKEY RootOf(platform::Scope scope) {
    return scope == platform::Scope::PerUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

platform::ValueType TypeOf(DWORD type) {
    if (type == REG_SZ) return platform::ValueType::String;
    if (type == REG_EXPAND_SZ) return platform::ValueType::ExpandString;
    return platform::ValueType::Other;
}

bool Open(platform::Scope scope, std::string_view keyPath, REGSAM access, KeyHolder& key) {
    return RegOpenKeyExW(RootOf(scope), Widen(keyPath).c_str(), 0, access, key.out()) == ERROR_SUCCESS;
}

}  // namespace

std::optional<platform::RawValue> Win32Registry::query(platform::Scope scope,
                                                       std::string_view keyPath,
                                                       std::string_view name) const {
    KeyHolder key;
    if (!Open(scope, keyPath, KEY_QUERY_VALUE, key)) return std::nullopt;
    const std::wstring wideName = Widen(name);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key.get(), wideName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        size > kMaxValueBytes) {
        return std::nullopt;
    }
    std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
    DWORD got = size;
    // A value that grew between the two calls fails here and reads as unreadable.
    if (RegQueryValueExW(key.get(), wideName.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &got) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    platform::RawValue value;
    value.type = TypeOf(type);
    if (value.type == platform::ValueType::Other) return value;
    data.resize(got / sizeof(wchar_t));
    if (!data.empty() && data.back() == L'\0') data.pop_back();  // the terminator only
    value.text = Narrow(data);
    return value;
}

bool Win32Registry::writeString(platform::Scope scope, std::string_view keyPath,
                                std::string_view name, std::string_view text) {
    KeyHolder key;
    if (RegCreateKeyExW(RootOf(scope), Widen(keyPath).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, key.out(), nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const std::wstring wide = Widen(text);
    const auto bytes = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key.get(), Widen(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(wide.c_str()), bytes) == ERROR_SUCCESS;
}

void Win32Registry::remove(platform::Scope scope, std::string_view keyPath, std::string_view name) {
    KeyHolder key;
    if (Open(scope, keyPath, KEY_SET_VALUE, key)) RegDeleteValueW(key.get(), Widen(name).c_str());
}

std::vector<platform::ValueName> Win32Registry::values(platform::Scope scope,
                                                       std::string_view keyPath) const {
    KeyHolder key;
    if (!Open(scope, keyPath, KEY_QUERY_VALUE, key)) return {};
    std::wstring name(16384, L'\0');  // the longest value name the registry allows
    return platform::ReadValueNames([&](std::uint32_t index, platform::ValueName& value) {
        DWORD length = static_cast<DWORD>(name.size());
        DWORD type = 0;
        const LONG result =
            RegEnumValueW(key.get(), index, name.data(), &length, nullptr, &type, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS) return platform::IndexAnswer::NoMoreItems;
        if (result != ERROR_SUCCESS) return platform::IndexAnswer::Failed;
        value = {Narrow(std::wstring_view(name.data(), length)), TypeOf(type)};
        return platform::IndexAnswer::Value;
    });
}

}  // namespace kz::win32
