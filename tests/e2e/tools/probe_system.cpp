// Processes, the registry (the prefix's 64-bit view, as zavora.exe sees it) and an
// executable's resources, read the way Windows reads them. Keys start with HKCU\ or HKLM\;
// values are text (REG_SZ): other types are the simulated store's business.
#include <windows.h>
#include <sddl.h>
#include <tlhelp32.h>

#include <algorithm>

#include "probe.h"

namespace probe {
namespace {

template <typename Visit>
void ForEachProcess(Visit visit) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    PROCESSENTRY32W entry = {sizeof entry};
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        visit(entry);
    CloseHandle(snapshot);
}

// A key opened (or, for writing, created), closed when it goes.
struct Key {
    HKEY handle = nullptr;
    Key(const std::string& text, REGSAM access, bool create = false) {
        std::wstring path = Widen(text);
        std::wstring root = path.substr(0, path.find(L'\\'));
        std::wstring sub = path.substr(std::min(path.size(), root.size() + 1));
        HKEY top = root == L"HKCU" ? HKEY_CURRENT_USER : root == L"HKLM" ? HKEY_LOCAL_MACHINE : nullptr;
        if (top && create)
            RegCreateKeyExW(top, sub.c_str(), 0, nullptr, 0, access, nullptr, &handle, nullptr);
        else if (top)
            RegOpenKeyExW(top, sub.c_str(), 0, access, &handle);
    }
    ~Key() {
        if (handle) RegCloseKey(handle);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
};

std::string VersionStrings(const std::wstring& path) {
    DWORD ignored = 0, size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    std::string block(size, '\0'), fields = "{";
    if (!size || !GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return "{}";
    for (const wchar_t* name : {L"CompanyName", L"ProductName", L"FileVersion", L"ProductVersion"}) {
        wchar_t* text = nullptr;
        UINT length = 0;
        std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        if (VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &length) && length)
            fields += Str(std::wstring_view(name)) + ":" + Str(std::wstring_view(text, length - 1)) + ",";
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed)
        return fields + "\"FileVersionNumbers\":[]}";
    return fields + "\"FileVersionNumbers\":" +
           Array({Num(HIWORD(fixed->dwFileVersionMS)), Num(LOWORD(fixed->dwFileVersionMS)),
                  Num(HIWORD(fixed->dwFileVersionLS)), Num(LOWORD(fixed->dwFileVersionLS))}) + "}";
}

// The group's images as listed, and the sizes the system really makes an icon of.
std::string IconGroup(HMODULE module, const wchar_t* name) {
    std::vector<std::string> loads, images;
    for (int size : {16, 32, 48}) {
        if (HANDLE icon = LoadImageW(module, name, IMAGE_ICON, size, size, 0)) {
            loads.push_back(Num(size));
            DestroyIcon(static_cast<HICON>(icon));
        }
    }
    HRSRC found = FindResourceW(module, name, RT_GROUP_ICON);
    auto* group = found ? static_cast<const BYTE*>(LockResource(LoadResource(module, found))) : nullptr;
    // Three words (reserved, type, count), then 14 bytes an image: width, height (0 for
    // 256), colours, reserved, planes (a word), bits (a word), ...
    for (int i = 0; group && i < group[4] + (group[5] << 8); ++i) {
        const BYTE* image = group + 6 + 14 * i;
        images.push_back(Array({Num(image[0] ? image[0] : 256), Num(image[1] ? image[1] : 256),
                                Num(image[6] + (image[7] << 8))}));
    }
    return Object({{"loads", Array(loads)}, {"images", Array(images)}});
}

}  // namespace

std::string KillAll(const Args& args) {
    std::wstring exe = Widen(args.at(0));
    std::vector<DWORD> pids;
    ForEachProcess([&](const PROCESSENTRY32W& entry) {
        // Process ids are reused at once: an id of that name a moment ago may be ours now.
        if (lstrcmpiW(entry.szExeFile, exe.c_str()) == 0 && entry.th32ProcessID != GetCurrentProcessId())
            pids.push_back(entry.th32ProcessID);
    });
    int killed = 0;
    for (DWORD pid : pids) {
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
            killed += TerminateProcess(process, 1) ? 1 : 0;
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
    }
    return Num(killed);
}

std::string ListProcesses(const Args& args) {
    std::wstring exe = Widen(args.at(0));
    std::vector<std::string> processes;
    ForEachProcess([&](const PROCESSENTRY32W& entry) {
        if (lstrcmpiW(entry.szExeFile, exe.c_str()) == 0)
            processes.push_back(Object({{"pid", Num(entry.th32ProcessID)}}));
    });
    return Array(processes);
}

// The value's text, or null when it is missing or no text.
std::string RegistryGet(const Args& args) {
    Key key(args.at(0), KEY_READ);
    std::wstring name = Widen(args.at(1));
    DWORD type = 0, size = 0;
    if (!key.handle || RegQueryValueExW(key.handle, name.c_str(), nullptr, &type, nullptr, &size) ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return "null";
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    RegQueryValueExW(key.handle, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(text.data()), &size);
    text.resize(wcsnlen(text.c_str(), size / sizeof(wchar_t)));
    return Str(text);
}

std::string RegistrySet(const Args& args) {
    Key key(args.at(0), KEY_WRITE, true);
    std::wstring name = Widen(args.at(1)), text = Widen(args.at(2));
    auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return Bool(key.handle && !RegSetValueExW(key.handle, name.c_str(), 0, REG_SZ,
                                              reinterpret_cast<const BYTE*>(text.c_str()), bytes));
}

// True also when there was nothing to delete.
std::string RegistryDelete(const Args& args) {
    LONG status = ERROR_SUCCESS;
    if (args.size() > 1) {
        Key key(args[0], KEY_SET_VALUE);
        if (key.handle) status = RegDeleteValueW(key.handle, Widen(args[1]).c_str());
    } else {
        // The key stays, empty: to the program that is the same as no key.
        Key key(args.at(0), KEY_ALL_ACCESS);
        if (key.handle) status = RegDeleteTreeW(key.handle, nullptr);
    }
    return Bool(status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND);
}

std::string RegistrySecurity(const Args& args) {
    Key key(args.at(0), READ_CONTROL);
    DWORD size = 0;
    if (!key.handle) return "null";
    RegGetKeySecurity(key.handle, DACL_SECURITY_INFORMATION, nullptr, &size);
    std::vector<BYTE> descriptor(size);
    wchar_t* sddl = nullptr;
    if (size &&
        RegGetKeySecurity(key.handle, DACL_SECURITY_INFORMATION, descriptor.data(), &size) == ERROR_SUCCESS)
        ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor.data(), SDDL_REVISION_1,
                                                             DACL_SECURITY_INFORMATION, &sddl, nullptr);
    std::string text = Str(std::wstring_view(sddl ? sddl : L""));
    if (sddl) LocalFree(sddl);
    return text;
}

std::string ExecutableInfo(const Args& args) {
    std::wstring path = Widen(args.at(0));
    HMODULE module =
        LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) return "null";
    HRSRC manifest = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST);
    auto* text = manifest ? static_cast<const char*>(LockResource(LoadResource(module, manifest))) : nullptr;
    std::string_view manifestText = text ? std::string_view(text, SizeofResource(module, manifest)) : "";
    std::string answer = Object(
        {{"version", VersionStrings(path)},
         {"icons", Object({{"ICO", IconGroup(module, L"ICO")}, {"SETUP", IconGroup(module, L"SETUP")}})},
         {"manifest", Str(manifestText)}});
    FreeLibrary(module);
    return answer;
}

}  // namespace probe
