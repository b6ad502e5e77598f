#pragma once
// Where things sit on the screen. Every length the program states is in twips (1/1440
// inch) and becomes pixels through the one conversion below, at the DPI of the monitor
// that shows it, so a window looks the same at 100 %, 150 %, 175 % and 200 %.
namespace kz::platform {

inline constexpr int kBaseDpi = 96;
inline constexpr int kTwipsPerInch = 1440;
// 15 twips to the pixel at 96 dpi, exactly: a length given in 96-dpi pixels is this many
// twips per pixel, so it scales like every other length. At any other DPI a pixel is a
// fraction of twips, which is why nothing converts through a whole "twips per pixel".
inline constexpr int kTwipsPerBasePixel = kTwipsPerInch / kBaseDpi;

// pixels = twips × dpi / 1440, computed exactly and rounded once, halves to the even
// neighbour (the way the program's integer conversions have always rounded).
int TwipsToPixels(int twips, int dpi);
// A length given in 96-dpi pixels, at `dpi`.
inline int BasePixelsToPixels(int pixels, int dpi) { return TwipsToPixels(pixels * kTwipsPerBasePixel, dpi); }
// The same rule for a value that is already a fraction of a pixel (for example a row's
// middle): halves to the even neighbour.
int RoundHalfEven(double value);

// Positions rather than lengths. A window placed at a twips position starts in the pixel
// where that position falls: the integer part of twips × dpi / 1440.
int PixelHolding(int twips, int dpi);
// The first twips position that PixelHolding puts in `pixel`, so that a pixel position
// turned into twips and back lands where it was.
int FirstTwipsOfPixel(int pixel, int dpi);
// Where a pointer in `pixel` (counted from a window's corner) is, in twips: the last
// twips position that TwipsToPixels still draws in that pixel. A box drawn through
// PixelsOf then holds exactly the pointers that fall on its pixels, at every DPI.
int PointerTwips(int pixel, int dpi);

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A rectangle in pixels; right and bottom exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A rectangle in twips, as the program's layouts state them: left, top, width, height.
struct TwipsBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    friend bool operator==(const TwipsBox&, const TwipsBox&) = default;
};

// The box in pixels at `dpi`, converted edge by edge so that neighbouring boxes stay
// adjacent after rounding.
Rect PixelsOf(const TwipsBox& box, int dpi);

}  // namespace kz::platform
