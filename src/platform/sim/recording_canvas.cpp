#include "platform/sim/recording_canvas.h"

namespace kz::sim {

void RecordingCanvas::fillRect(const Rect& rect, Rgb color) {
    fills.push_back(FillOp{next(), area_, rect, color});
}

void RecordingCanvas::drawLine(Point from, Point to, Rgb color) {
    lines.push_back(LineOp{next(), area_, from, to, color});
}

void RecordingCanvas::fillEllipse(const Rect& bounds, Rgb fill, Rgb outline) {
    ellipses.push_back(EllipseOp{next(), area_, bounds, fill, outline});
}

void RecordingCanvas::drawText(std::u16string_view text, const Rect& rect, unsigned flags,
                               const FontSpec& font, Rgb color) {
    texts.push_back(TextOp{next(), area_, std::u16string(text), rect, flags, font, color});
}

void RecordingCanvas::drawPicture(Picture picture, const Rect& rect) {
    pictures.push_back(PictureOp{next(), area_, picture, rect});
}

// Windows' default scheme, so that expectations read like what a user sees.
Rgb RecordingCanvas::systemColor(platform::SystemColor which) const {
    switch (which) {
        case platform::SystemColor::Highlight: return Rgb{0, 120, 215};
        case platform::SystemColor::HighlightText: return platform::kWhite;
        case platform::SystemColor::WindowText: return platform::kBlack;
        case platform::SystemColor::Window: return platform::kWhite;
    }
    return platform::kBlack;
}

void RecordingCanvas::clear() {
    texts.clear();
    pictures.clear();
    fills.clear();
    lines.clear();
    ellipses.clear();
}

std::vector<std::u16string> RecordingCanvas::textStrings() const {
    std::vector<std::u16string> result;
    result.reserve(texts.size());
    for (const TextOp& op : texts) result.push_back(op.text);
    return result;
}

const TextOp* RecordingCanvas::findText(std::u16string_view text) const {
    for (const TextOp& op : texts) {
        if (op.text == text) return &op;
    }
    return nullptr;
}

}  // namespace kz::sim
