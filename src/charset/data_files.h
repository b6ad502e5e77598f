#pragma once
// The four data files that lie in the application folder. The program only reads them.
#include <filesystem>
#include <string_view>

namespace kz::data_files {

inline constexpr std::string_view kCharacters = "characters.dat";
inline constexpr std::string_view kGroups = "groups.dat";
inline constexpr std::string_view kLanguages = "data.dat";
inline constexpr std::string_view kOrder = "order.dat";

inline std::filesystem::path In(const std::filesystem::path& folder, std::string_view file) {
    return folder / std::filesystem::path(file);
}

}  // namespace kz::data_files
