#pragma once
// `ExpandKeyCodes`: the key-code notation of settings texts. A decimal number between
// "[[" and "]]" stands for the character with that ANSI code, so a user can name keys
// that cannot be typed into a text box: "a[[13]]b" is a, CR, b. The number is read like
// any number the user types (its leading number; nothing readable is 0) and rounded to
// the nearest whole number; codes outside 1 to 255 (also 255.5 and above) give nothing.
// The first "[[" and the first "]]" after it are replaced again and again until no pair
// is left, so a replacement that forms a new "[[" is expanded in turn; every step
// shortens the text, so it always ends.
#include <string>
#include <string_view>

#include "platform/code_page.h"

namespace kz {

// `codePage` is the system's ANSI code page that gives code n its character.
std::string ExpandKeyCodes(std::string_view text, const platform::CodePage& codePage);

}  // namespace kz
