#include "platform/canvas.h"

namespace kz::platform {

FontSpec makeFont(int size, std::string_view face, bool bold) {
    // size × 1.5 in whole pixels at 96 dpi (exact in a double, so only the halves round),
    // then in twips so that it scales with the DPI.
    const int heightBasePixels = RoundHalfEven(size * 1.5);
    return FontSpec{std::string(face), heightBasePixels * kTwipsPerBasePixel, bold};
}

FontSpec pointFont(double points, std::string_view face, bool bold) {
    // 20 twips to the point; negative: the character height, as a control's font size is.
    return FontSpec{std::string(face), -RoundHalfEven(points * 20.0), bold};
}

}  // namespace kz::platform
