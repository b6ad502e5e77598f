#pragma once
// Reading a whole file as bytes, the one file access the program needs (its four data
// files). Paths are UTF-8 text, like every other text of the program; the Windows side
// opens them through their UTF-16 form, so folders with characters outside the ANSI code
// page still open. Each platform implements ReadFileBytes with its own file functions:
// the C++ stream and path libraries would bring their locale machinery into the program,
// more than twice the size of the program itself.
#include <optional>
#include <string>
#include <string_view>

namespace kz::platform {

// All bytes of the file, or nothing when it cannot be opened or read (a folder, a
// missing file, too little memory). Never throws.
std::optional<std::string> ReadFileBytes(const std::string& path);

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// `name` inside `folder`, with one separator between them.
inline std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && path.back() != '/' && path.back() != kPathSeparator) path += kPathSeparator;
    path += name;
    return path;
}

}  // namespace kz::platform
