// exeinfo PATH: what an executable carries in its resources, read the way Windows reads
// it: version strings and numbers, every icon group's images, the application manifest.
#include <windows.h>

#include <string>

#include "probe_commands.h"

namespace probe {
namespace {

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colorCount, reserved;
    WORD planes, bitCount;
    DWORD bytesInRes;
    WORD id;
};
struct GroupIconHeader {
    WORD reserved, type, count;
};
#pragma pack(pop)

void VersionStrings(const std::wstring& path, Json& out) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    std::string block(size, '\0');
    out.key("version").beginObject();
    if (size && GetFileVersionInfoW(path.c_str(), 0, size, block.data())) {
        for (const wchar_t* name : {L"CompanyName", L"ProductName", L"FileDescription", L"FileVersion",
                                    L"ProductVersion", L"OriginalFilename"}) {
            std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
            wchar_t* text = nullptr;
            UINT length = 0;
            if (VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &length))
                out.key(Utf8(name)).value(std::wstring_view(text, length ? length - 1 : 0));
        }
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        if (VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length)) {
            out.key("FileVersionNumbers").beginArray();
            out.value(HIWORD(fixed->dwFileVersionMS)).value(LOWORD(fixed->dwFileVersionMS));
            out.value(HIWORD(fixed->dwFileVersionLS)).value(LOWORD(fixed->dwFileVersionLS));
            out.endArray();
        }
    }
    out.endObject();
}

// The group's images as listed, and the sizes LoadImage really makes an icon of.
void IconGroup(HMODULE module, const wchar_t* name, Json& out) {
    out.key(Utf8(name)).beginObject();
    out.key("loads").beginArray();
    for (int size : {16, 32, 48}) {
        HANDLE icon = LoadImageW(module, name, IMAGE_ICON, size, size, 0);
        if (icon) {
            out.value(size);
            DestroyIcon(static_cast<HICON>(icon));
        }
    }
    out.endArray();
    out.key("images").beginArray();
    HRSRC found = FindResourceW(module, name, RT_GROUP_ICON);
    auto* header = found ? static_cast<const GroupIconHeader*>(LockResource(LoadResource(module, found)))
                         : nullptr;
    if (header) {
        auto* entries = reinterpret_cast<const GroupIconEntry*>(header + 1);
        for (WORD i = 0; i < header->count; ++i) {
            out.beginObject();
            out.field("width", entries[i].width ? entries[i].width : 256);
            out.field("height", entries[i].height ? entries[i].height : 256);
            out.field("bits", entries[i].bitCount);
            out.endObject();
        }
    }
    out.endArray();
    out.endObject();
}

std::string Manifest(HMODULE module) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST);
    if (!found) return {};
    auto* text = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return text ? std::string(text, SizeofResource(module, found)) : std::string();
}

}  // namespace

void ExecutableInfo(const Args& args, Json& out) {
    std::wstring path = Wide(args.at(0));
    out.beginObject();
    VersionStrings(path, out);
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    out.key("icons").beginObject();
    if (module) {
        IconGroup(module, L"ICO", out);
        IconGroup(module, L"SETUP", out);
    }
    out.endObject();
    out.field("manifest", module ? Manifest(module).c_str() : "");
    if (module) FreeLibrary(module);
    out.endObject();
}

}  // namespace probe
