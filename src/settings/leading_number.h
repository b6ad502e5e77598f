#pragma once
#include <string_view>

namespace kz {

// The numeric value of the number a text starts with, the way a lenient reader reads
// it: blanks (space, tab, CR, LF) are skipped wherever they stand, then an optional sign,
// digits and one decimal point; reading stops at the first other character. A text that
// does not start with a number is 0. ("3abc" is 3, " -2.5x" is -2.5, "abc" is 0.)
double LeadingNumber(std::string_view text);

}  // namespace kz
