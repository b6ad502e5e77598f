#include "platform/geometry.h"

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

// numerator / denominator (denominator > 0), rounded down also below zero.
std::int64_t FloorDivide(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t quotient = numerator / denominator;
    return (numerator % denominator != 0 && numerator < 0) ? quotient - 1 : quotient;
}

}  // namespace

int PixelHolding(int twips, int dpi) {
    return static_cast<int>(FloorDivide(static_cast<std::int64_t>(twips) * dpi, kTwipsPerInch));
}

int FirstTwipsOfPixel(int pixel, int dpi) {
    // The smallest t with t × dpi / 1440 >= pixel.
    return static_cast<int>(-FloorDivide(-static_cast<std::int64_t>(pixel) * kTwipsPerInch, dpi));
}

int PointerTwips(int pixel, int dpi) {
    // TwipsToPixels(t) <= pixel exactly while t × dpi / 1440 < pixel + 1/2, or equals it and
    // the half goes down to an even pixel.
    const std::int64_t numerator = (2 * static_cast<std::int64_t>(pixel) + 1) * (kTwipsPerInch / 2);
    const std::int64_t quotient = FloorDivide(numerator, dpi);
    const bool exact = quotient * dpi == numerator;
    return static_cast<int>(exact && pixel % 2 != 0 ? quotient - 1 : quotient);
}

int TwipsToPixels(int twips, int dpi) {
    return static_cast<int>(DivideHalfEven(static_cast<std::int64_t>(twips) * dpi, kTwipsPerInch));
}

int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));  // the default rounding mode is to-even
}

Rect PixelsOf(const TwipsBox& box, int dpi) {
    return Rect{TwipsToPixels(box.left, dpi), TwipsToPixels(box.top, dpi), TwipsToPixels(box.right(), dpi),
                TwipsToPixels(box.bottom(), dpi)};
}

}  // namespace kz::platform
