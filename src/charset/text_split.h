#pragma once
// Splitting text at a separator the way the data formats are written: every occurrence
// separates, empty pieces are kept, and empty text has no pieces at all.
#include <string_view>
#include <vector>

namespace kz {

std::vector<std::string_view> SplitText(std::string_view text, std::string_view separator);

// Blanks (spaces only) removed at both ends.
std::string_view TrimSpaces(std::string_view text);

}  // namespace kz
