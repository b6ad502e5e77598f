#pragma once
// A canvas that draws nothing and remembers every call, in the coordinates the caller
// used, with the drawing area that was set at the time. Tests read the lists below.
#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace kz::sim {

using platform::FontSpec;
using platform::Picture;
using platform::Point;
using platform::Rect;
using platform::Rgb;

struct TextOp {
    int sequence = 0;
    std::optional<Rect> area;
    std::u16string text;
    Rect rect;
    unsigned flags = 0;
    FontSpec font;
    Rgb color;
};

struct PictureOp {
    int sequence = 0;
    std::optional<Rect> area;
    Picture picture = Picture::SelectionBar;
    Rect rect;
};

struct FillOp {
    int sequence = 0;
    std::optional<Rect> area;
    Rect rect;
    Rgb color;
};

struct LineOp {
    int sequence = 0;
    std::optional<Rect> area;
    Point from;
    Point to;
    Rgb color;
};

struct EllipseOp {
    int sequence = 0;
    std::optional<Rect> area;
    Rect bounds;
    Rgb fill;
    Rgb outline;
};

class RecordingCanvas final : public platform::Canvas {
public:
    explicit RecordingCanvas(int dpi = platform::kBaseDpi) : dpi_(dpi) {}

    int dpi() const override { return dpi_; }
    void setArea(const Rect& area) override { area_ = area; }
    void resetArea() override { area_.reset(); }

    void fillRect(const Rect& rect, Rgb color) override;
    void drawLine(Point from, Point to, Rgb color) override;
    void fillEllipse(const Rect& bounds, Rgb fill, Rgb outline) override;
    void drawText(std::u16string_view text, const Rect& rect, unsigned flags, const FontSpec& font,
                  Rgb color) override;
    void drawPicture(Picture picture, const Rect& rect) override;
    Rgb systemColor(platform::SystemColor which) const override;

    void clear();

    std::vector<TextOp> texts;
    std::vector<PictureOp> pictures;
    std::vector<FillOp> fills;
    std::vector<LineOp> lines;
    std::vector<EllipseOp> ellipses;

    // The texts drawn, in order, as UTF-16 (handy for EXPECT_THAT on the whole list).
    std::vector<std::u16string> textStrings() const;
    // The first text op whose text equals `text`; nullptr when none.
    const TextOp* findText(std::u16string_view text) const;

private:
    int next() { return sequence_++; }

    int dpi_;
    int sequence_ = 0;
    std::optional<Rect> area_;
};

}  // namespace kz::sim
