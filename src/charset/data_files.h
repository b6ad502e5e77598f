#pragma once
// The four data files that lie in the application folder. The program only reads them.
#include <string>
#include <string_view>

#include "platform/file_bytes.h"

namespace kz::data_files {

inline constexpr std::string_view kCharacters = "characters.dat";
inline constexpr std::string_view kGroups = "groups.dat";
inline constexpr std::string_view kLanguages = "data.dat";
inline constexpr std::string_view kOrder = "order.dat";

inline std::string In(const std::string& folder, std::string_view file) { return platform::JoinPath(folder, file); }

}  // namespace kz::data_files
