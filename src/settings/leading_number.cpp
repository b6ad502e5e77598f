#include "settings/leading_number.h"

#include <charconv>
#include <limits>
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
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    // A number too long for a double is "out of range": treat it as infinitely large so
    // that callers with a range check reject it instead of reading 0.
    if (result.ec == std::errc::result_out_of_range) {
        constexpr double kHuge = std::numeric_limits<double>::infinity();
        return number.front() == '-' ? -kHuge : kHuge;
    }
    return value;
}

}  // namespace kz
