#include "charset/group_file.h"

#include "charset/data_files.h"
#include "charset/text_file.h"
#include "charset/text_split.h"

namespace kz {

std::vector<std::string> ParseGroupNames(std::string_view text) {
    std::vector<std::string> names;
    for (std::string_view line : SplitText(text, "\r\n")) {
        if (names.size() == kMaxGroups) break;
        const std::size_t first = line.find(';');
        if (first == std::string_view::npos) {
            names.emplace_back();
            continue;
        }
        const std::string_view rest = line.substr(first + 1);
        names.emplace_back(rest.substr(0, rest.find(';')));
    }
    return names;
}

std::vector<std::string> LoadGroupNames(const std::string& folder,
                                        const platform::CodePage& codePage) {
    return ParseGroupNames(ReadTextFile(data_files::In(folder, data_files::kGroups), codePage));
}

}  // namespace kz
