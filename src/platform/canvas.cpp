#include "platform/canvas.h"

#include <cmath>
#include <cstdint>

namespace kz::platform {

namespace {

// numerator / denominator (denominator > 0), halves to the even neighbour, exact in
// integers so that no twips value lands a pixel off through floating point.
std::int64_t DivideHalfEven(std::int64_t numerator, std::int64_t denominator) {
    std::int64_t quotient = numerator / denominator;
    std::int64_t remainder = numerator % denominator;
    if (remainder < 0) {  // floor division for negative numerators
        quotient -= 1;
        remainder += denominator;
    }
    const std::int64_t twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && (quotient % 2 != 0))) quotient += 1;
    return quotient;
}

}  // namespace

int TwipsToPixels(int twips, int dpi) {
    return static_cast<int>(DivideHalfEven(static_cast<std::int64_t>(twips) * dpi, kTwipsPerInch));
}

int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));  // the default rounding mode is to-even
}

Rect TwipsRect(int left, int top, int width, int height, int dpi) {
    return Rect{TwipsToPixels(left, dpi), TwipsToPixels(top, dpi), TwipsToPixels(left + width, dpi),
                TwipsToPixels(top + height, dpi)};
}

FontSpec makeFont(int size, std::string_view face, bool bold) {
    // size × 1.5 in whole pixels at 96 dpi, then in twips so that it scales with the DPI.
    const int heightBasePixels = static_cast<int>(DivideHalfEven(static_cast<std::int64_t>(size) * 3, 2));
    return FontSpec{std::string(face), heightBasePixels * kTwipsPerBasePixel, bold};
}

FontSpec pointFont(double points, std::string_view face, bool bold) {
    // 20 twips to the point; negative: the character height, as a control's font size is.
    return FontSpec{std::string(face), -RoundHalfEven(points * 20.0), bold};
}

}  // namespace kz::platform
