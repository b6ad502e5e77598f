#include "platform/file_bytes.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace kz::platform {
namespace {

struct FileHandle {
    HANDLE handle;
    ~FileHandle() {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
};

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path) {
    try {
        // Others may read and write the file meanwhile: an editor open on a data file
        // must not keep the program from starting.
        const FileHandle file{CreateFileW(win32::Widen(path).c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
        if (file.handle == INVALID_HANDLE_VALUE) return std::nullopt;
        LARGE_INTEGER size{};
        if (!GetFileSizeEx(file.handle, &size) || size.QuadPart < 0) return std::nullopt;
        std::string bytes;
        bytes.reserve(static_cast<std::size_t>(size.QuadPart));
        // Read until the end rather than trusting the size: the file may change meanwhile.
        char chunk[16384];
        DWORD read = 0;
        while (ReadFile(file.handle, chunk, sizeof chunk, &read, nullptr)) {
            if (read == 0) return bytes;
            bytes.append(chunk, read);
        }
        return std::nullopt;
    } catch (...) {
        // Out of memory on a huge file: the caller treats it as unreadable.
        return std::nullopt;
    }
}

}  // namespace kz::platform
