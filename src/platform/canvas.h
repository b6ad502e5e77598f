#pragma once
// A drawing surface as the portable core sees it: pixels at a known DPI, DrawTextW-like
// text in a rectangle, fills, lines, discs and the popup's pictures. Windows draws into a
// double-buffered device context; tests draw into a recording canvas.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/geometry.h"

namespace kz::platform {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kGrey{128, 128, 128};
inline constexpr Rgb kShade{230, 230, 230};

enum class SystemColor { Highlight, HighlightText, WindowText, Window };

// A font as LOGFONT describes it. heightTwips follows lfHeight's sign: positive is the
// cell height, negative the character (em) height. Every font is CLEARTYPE_QUALITY,
// character set 0, weight 700 when bold and 0 otherwise.
struct FontSpec {
    std::string face;
    int heightTwips = 0;
    bool bold = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// `makeFont`(size, face, bold): lfHeight = size × 1.5 pixels at 96 dpi, halves to the
// even neighbour (9 → 14, 11 → 16, 16 → 24, 26 → 39).
FontSpec makeFont(int size, std::string_view face, bool bold);
// A control font given in points (the case labels' "Arial" 9.75 point bold): an em height.
FontSpec pointFont(double points, std::string_view face, bool bold);

// The DrawTextW flags the program uses; the values are Windows' own.
enum TextFlags : unsigned {
    kTextLeft = 0x0000,
    kTextCenter = 0x0001,
    kTextVCenter = 0x0004,
    kTextSingleLine = 0x0020,
    kTextNoPrefix = 0x0800,
};

// The popup's pictures. Their sizes are fixed by the window's layout; their content is ours
// and each backend paints it to fit the rectangle it is given, sharp at any DPI.
enum class Picture {
    CornerLeft,         // 17 × 2, top left
    CornerRight,        // 17 × 2, top right
    Heading,            // 113 × 42
    CaseMarker,         // 56 × 20, behind the chosen "abc" / "ABC"
    ArrowUpActive,      // 113 × 17 strips
    ArrowUpInactive,
    ArrowDownActive,
    ArrowDownInactive,
    SelectionBar,       // 113 × 41, behind the selected row
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int dpi() const = 0;

    // Makes `area` (pixels of the whole surface) the drawing area: later coordinates are
    // relative to its top left corner and nothing is drawn outside it. resetArea returns
    // to the whole surface.
    virtual void setArea(const Rect& area) = 0;
    virtual void resetArea() = 0;

    virtual void fillRect(const Rect& rect, Rgb color) = 0;
    // A one-pixel line from `from` up to, not including, `to` (like LineTo).
    virtual void drawLine(Point from, Point to, Rgb color) = 0;
    // A filled ellipse within `bounds` (like Ellipse with a solid pen and brush).
    virtual void fillEllipse(const Rect& bounds, Rgb fill, Rgb outline) = 0;
    // Like DrawTextW with a transparent background: `text` is UTF-16, `flags` TextFlags.
    virtual void drawText(std::u16string_view text, const Rect& rect, unsigned flags,
                          const FontSpec& font, Rgb color) = 0;
    virtual void drawPicture(Picture picture, const Rect& rect) = 0;

    virtual Rgb systemColor(SystemColor which) const = 0;

    int scale(int twips) const { return TwipsToPixels(twips, dpi()); }
    // A length given in pixels at 96 dpi.
    int scaleBasePixels(int pixels) const { return BasePixelsToPixels(pixels, dpi()); }
};

// Sets a drawing area for the life of the scope.
class ScopedArea {
public:
    ScopedArea(Canvas& canvas, const Rect& area) : canvas_(canvas) { canvas_.setArea(area); }
    ~ScopedArea() { canvas_.resetArea(); }
    ScopedArea(const ScopedArea&) = delete;
    ScopedArea& operator=(const ScopedArea&) = delete;

private:
    Canvas& canvas_;
};

}  // namespace kz::platform
