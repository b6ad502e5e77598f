#pragma once
// Upper and lower case of single characters and of UTF-8 text, independent of the C
// locale: the Latin, Greek, Cyrillic and Armenian letters a keyboard layout or a language
// name can hold. Characters without a case partner are returned unchanged.
#include <string>
#include <string_view>

namespace kz {

char32_t ToLowerChar(char32_t c);
char32_t ToUpperChar(char32_t c);

std::string ToLowerText(std::string_view text);
// First letter of each word upper case, the others lower case; words are separated by
// blanks (space, tab, CR, LF, vertical tab, form feed, NUL). "swiss german" -> "Swiss German".
std::string ToProperCase(std::string_view text);

}  // namespace kz
