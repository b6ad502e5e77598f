#include "platform/file_bytes.h"

#include <fstream>
#include <sstream>

namespace kz::platform {

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path) {
    try {
        std::ifstream in(path, std::ios::binary);
        if (!in) return std::nullopt;
        std::ostringstream bytes;
        bytes << in.rdbuf();
        if (in.bad()) return std::nullopt;
        return std::move(bytes).str();
    } catch (...) {
        // Out of memory on a huge file, or a stream error: the caller treats it as unreadable.
        return std::nullopt;
    }
}

std::filesystem::path PathFromUtf8(std::string_view utf8) {
    try {
        return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
    } catch (...) {
        return {};
    }
}

}  // namespace kz::platform
