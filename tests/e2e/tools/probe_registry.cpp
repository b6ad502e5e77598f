// Registry access for tests, in the prefix's 64-bit view like zavora.exe, one call a
// few milliseconds where `wine reg` takes a second. Values of other types than text are
// the simulated store's business.
//   regget KEY NAME             {"exists", "type", "text" (string types)}
//   regset KEY NAME sz TEXT     a REG_SZ value
//   regdel KEY [NAME]           a value, or the whole key with its subkeys
//   reglist KEY                 {"exists", "values": [{"name", "type"}]}
//   regsddl KEY                 {"exists", "sddl"}: the key's access list (DACL) as SDDL
// KEY starts with HKCU\ or HKLM\ (or the long root names).
#include <windows.h>
#include <sddl.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "probe_commands.h"

namespace probe {
namespace {

struct KeyPath {
    HKEY root = nullptr;
    std::wstring path;
};

KeyPath SplitKey(const std::string& text) {
    std::wstring wide = Wide(text);
    size_t slash = wide.find(L'\\');
    std::wstring root = wide.substr(0, slash);
    KeyPath key;
    key.path = slash == std::wstring::npos ? L"" : wide.substr(slash + 1);
    if (root == L"HKCU" || root == L"HKEY_CURRENT_USER") key.root = HKEY_CURRENT_USER;
    if (root == L"HKLM" || root == L"HKEY_LOCAL_MACHINE") key.root = HKEY_LOCAL_MACHINE;
    return key;
}

}  // namespace

void RegistryGet(const Args& args, Json& out) {
    KeyPath key = SplitKey(args.at(0));
    std::wstring name = Wide(args.at(1));
    HKEY handle = nullptr;
    out.beginObject();
    if (!key.root || RegOpenKeyExW(key.root, key.path.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) {
        out.field("exists", false).endObject();
        return;
    }
    DWORD type = 0, size = 0;
    LONG status = RegQueryValueExW(handle, name.c_str(), nullptr, &type, nullptr, &size);
    std::vector<BYTE> bytes(size);
    if (status == ERROR_SUCCESS && size)
        status = RegQueryValueExW(handle, name.c_str(), nullptr, &type, bytes.data(), &size);
    RegCloseKey(handle);
    out.field("exists", status == ERROR_SUCCESS);
    if (status == ERROR_SUCCESS) {
        out.field("type", type);
        if (type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ) {
            std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
            if (!text.empty() && text.back() == L'\0') text.pop_back();  // the terminator only
            out.key("text").value(std::wstring_view(text));
        }
    }
    out.endObject();
}

void RegistrySet(const Args& args, Json& out) {
    KeyPath key = SplitKey(args.at(0));
    std::wstring name = Wide(args.at(1));
    if (args.at(2) != "sz") throw std::invalid_argument("only sz values");
    std::wstring text = Wide(args.at(3));
    HKEY handle = nullptr;
    LONG status = key.root ? RegCreateKeyExW(key.root, key.path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                                             &handle, nullptr)
                           : ERROR_INVALID_PARAMETER;
    if (status == ERROR_SUCCESS) {
        status = RegSetValueExW(handle, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(handle);
    }
    out.beginObject().field("ok", status == ERROR_SUCCESS).endObject();
}

void RegistryDelete(const Args& args, Json& out) {
    KeyPath key = SplitKey(args.at(0));
    LONG status = ERROR_INVALID_PARAMETER;
    if (key.root && args.size() > 1) {
        HKEY handle = nullptr;
        status = RegOpenKeyExW(key.root, key.path.c_str(), 0, KEY_SET_VALUE, &handle);
        if (status == ERROR_SUCCESS) {
            status = RegDeleteValueW(handle, Wide(args[1]).c_str());
            RegCloseKey(handle);
        }
    } else if (key.root && !key.path.empty()) {
        status = RegDeleteTreeW(key.root, key.path.c_str());
        if (status == ERROR_SUCCESS) status = RegDeleteKeyW(key.root, key.path.c_str());
    }
    out.beginObject().field("ok", status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND).endObject();
}

void RegistryList(const Args& args, Json& out) {
    KeyPath key = SplitKey(args.at(0));
    HKEY handle = nullptr;
    out.beginObject();
    bool open = key.root && RegOpenKeyExW(key.root, key.path.c_str(), 0, KEY_READ, &handle) == ERROR_SUCCESS;
    out.field("exists", open);
    out.key("values").beginArray();
    for (DWORD i = 0; open; ++i) {
        wchar_t name[16384];
        DWORD length = 16384, type = 0;
        if (RegEnumValueW(handle, i, name, &length, nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS) break;
        out.beginObject().key("name").value(std::wstring_view(name, length)).field("type", type).endObject();
    }
    out.endArray();
    if (open) RegCloseKey(handle);
    out.endObject();
}

void RegistrySecurity(const Args& args, Json& out) {
    KeyPath key = SplitKey(args.at(0));
    HKEY handle = nullptr;
    out.beginObject();
    if (!key.root || RegOpenKeyExW(key.root, key.path.c_str(), 0, READ_CONTROL, &handle) != ERROR_SUCCESS) {
        out.field("exists", false).endObject();
        return;
    }
    DWORD size = 0;
    RegGetKeySecurity(handle, DACL_SECURITY_INFORMATION, nullptr, &size);
    std::vector<BYTE> descriptor(size);
    wchar_t* sddl = nullptr;
    if (size && RegGetKeySecurity(handle, DACL_SECURITY_INFORMATION, descriptor.data(), &size) == ERROR_SUCCESS)
        ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor.data(), SDDL_REVISION_1,
                                                             DACL_SECURITY_INFORMATION, &sddl, nullptr);
    RegCloseKey(handle);
    out.field("exists", true).key("sddl").value(std::wstring_view(sddl ? sddl : L""));
    if (sddl) LocalFree(sddl);
    out.endObject();
}

}  // namespace probe
