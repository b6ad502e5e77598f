#pragma once
// Reading groups.dat: the names of the character types. Line k (1-based) is type number
// k and its second ";"-separated field is the name; at most 1001 lines are read. A line
// without a second field keeps its place with an empty name, so the numbering of the
// lines after it does not shift.
#include <string>
#include <string_view>
#include <vector>

#include "platform/code_page.h"

namespace kz {

inline constexpr std::size_t kMaxGroups = 1001;

// Index k - 1 holds the name of type number k.
std::vector<std::string> ParseGroupNames(std::string_view text);

std::vector<std::string> LoadGroupNames(const std::string& folder,
                                        const platform::CodePage& codePage);

}  // namespace kz
