#pragma once
// The symbols that pick a candidate by its accent in the key popup: "'" picks the first
// candidate "with acute", "-" the first "with macron" (or "with stroke"), and so on. The
// spacing accents that dead keys type (the German acute key's "´", the French "¨")
// pick like the symbols they stand for.
#include <string_view>

namespace kz {

struct AccentSearch {
    std::string_view first;   // searched in the candidates' names first
    std::string_view second;  // searched when the first finds nothing; empty: none
};

// The search for `symbol` in the popup of a key whose lower-case character is `keyChar`;
// an empty `first` when `symbol` is not an accent symbol.
AccentSearch AccentSearchFor(char16_t symbol, char keyChar);

}  // namespace kz
