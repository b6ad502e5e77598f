#include "platform/file_bytes.h"

#include <cstdio>
#include <memory>

namespace kz::platform {

// The native build reads real files (the tests' temporary folders, the shipped data).
std::optional<std::string> ReadFileBytes(const std::string& path) {
    try {
        const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
        if (!file) return std::nullopt;
        std::string bytes;
        char chunk[16384];
        std::size_t read = 0;
        while ((read = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) bytes.append(chunk, read);
        if (std::ferror(file.get())) return std::nullopt;  // a folder opens but does not read
        return bytes;
    } catch (...) {
        return std::nullopt;
    }
}

}  // namespace kz::platform
