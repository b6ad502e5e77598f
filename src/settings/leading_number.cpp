#include "settings/leading_number.h"

#include <cstdlib>
#include <string>

namespace kz {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double LeadingNumber(std::string_view text) {
    std::string number;  // the sign, digits and point that were read, blanks dropped
    bool signSeen = false;
    bool pointSeen = false;
    bool digitSeen = false;
    for (char c : text) {
        if (IsBlank(c)) continue;
        if ((c == '-' || c == '+') && !signSeen && !digitSeen && !pointSeen) {
            signSeen = true;
            if (c == '-') number += c;
            continue;
        }
        if (c == '.' && !pointSeen) {
            pointSeen = true;
            number += c;
            continue;
        }
        if (!IsDigit(c)) break;
        digitSeen = true;
        number += c;
    }
    if (!digitSeen) return 0.0;
    // The C library's conversion: correctly rounded like the C++ one, which would add a
    // second floating-point parser to the program. The program keeps the "C" locale, whose
    // decimal separator is the point. A number too long for a double comes back infinitely
    // large, so callers with a range check reject it instead of reading 0.
    return std::strtod(number.c_str(), nullptr);
}

}  // namespace kz
