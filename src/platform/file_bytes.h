#pragma once
// Reading a whole file as bytes, the one file access the program needs (its four data
// files). Portable: std::filesystem paths are wide on Windows, so folders with characters
// outside the ANSI code page still open.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kz::platform {

// All bytes of the file, or nothing when it cannot be opened or read. Never throws.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

// A path from UTF-8 text (a std::string path would be read in the ANSI code page on
// Windows).
std::filesystem::path PathFromUtf8(std::string_view utf8);

}  // namespace kz::platform
