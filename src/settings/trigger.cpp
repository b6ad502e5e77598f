#include "settings/trigger.h"

#include <cmath>
#include <limits>

#include "settings/leading_number.h"

namespace kz {

std::int16_t ParseTrigger(std::string_view text) {
    const double value = LeadingNumber(text);
    double rounded = std::round(value);  // halves away from zero...
    if (std::abs(value - std::trunc(value)) == 0.5 && std::fmod(rounded, 2.0) != 0.0) {
        rounded -= std::copysign(1.0, value);  // ...so bring an odd result back to even
    }
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
          rounded <= std::numeric_limits<std::int16_t>::max())) {
        return 0;
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace kz
