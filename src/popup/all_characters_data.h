#pragma once
// What the all-characters screen loads each time it opens: the character type names of
// groups.dat, the text of data.dat, and every known language in the user's order.
#include <string>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/code_page.h"
#include "settings/settings_store.h"

namespace kz {

// Each of the screen's lists holds at most this many entries.
inline constexpr std::size_t kMaxScreenEntries = 1001;

// The type names in groups.dat order, with the type number (the line of groups.dat) each
// stands for. A line without a name is left out; the lines after it keep their numbers.
struct CharacterTypes {
    std::vector<std::string> names;
    std::vector<int> typeNumbers;
};

CharacterTypes ReadCharacterTypes(std::string_view groupsText);

// The language list: the entries of `order` (the `Languages` setting, or order.dat's text
// when that is blank), then the names of `defaultOrder` and `userNames` (both ";"-separated)
// that `order` does not mention, enabled or not. The "!" of a disabled entry is dropped, a
// name already listed (letter case ignored) is skipped, and so is a name `known` refuses.
std::vector<std::string> BuildLanguageList(std::string_view order, std::string_view defaultOrder,
                                           std::string_view userNames,
                                           const std::function<bool(std::string_view)>& known);

struct AllCharactersData {
    CharacterTypes types;
    std::string dataText;  // the whole of data.dat
    std::vector<std::string> languageNames;
};

// Reads the data files in `folder` and the settings. Missing files give empty lists.
AllCharactersData LoadAllCharactersData(SettingsStore& store, const std::string& folder,
                                        const platform::CodePage& codePage);

}  // namespace kz
