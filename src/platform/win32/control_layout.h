#pragma once
// The standard child controls of the program's dialogs, each created at a box given in
// twips and moved to that box again whenever the DPI changes, with the dialog font at
// that DPI from the run-long font cache.
#include <windows.h>

#include <string_view>
#include <utility>
#include <vector>

#include "platform/canvas.h"
#include "platform/win32/dpi.h"
#include "platform/win32/font_cache.h"

namespace kz::win32 {

// Boxes are relative to the parent's client area.
using platform::TwipsBox;

struct ControlSpec {
    const wchar_t* windowClass = L"STATIC";
    std::wstring_view text;
    DWORD style = 0;  // WS_CHILD and WS_VISIBLE are added
    DWORD exStyle = 0;
    TwipsBox box;
    int id = 0;
    // A label whose text needs more lines than its box holds (a wider face than the one
    // the boxes were measured for) may grow this far down; if that is not enough, its
    // font steps down by half points, to no less than 7 points.
    bool fitText = false;
    int growTwips = 0;
};

// The dialogs' font: a sans-serif face at 8 points (see control_layout.cpp).
platform::FontSpec DialogFont();

class ControlLayout {
public:
    // The controls show `font` (the dialog font unless a window asks for another).
    explicit ControlLayout(FontCache& fonts, platform::FontSpec font = DialogFont())
        : fonts_(fonts), font_(std::move(font)) {}
    ControlLayout(const ControlLayout&) = delete;
    ControlLayout& operator=(const ControlLayout&) = delete;

    // Creates the control in `parent`; it is placed by the next apply().
    HWND add(HWND parent, const ControlSpec& desc);
    // Moves every control to its box at `dpi` and gives it the layout's font at that DPI.
    void apply(int dpi);
    HFONT font(int dpi) const { return fonts_.get(font_, dpi); }

private:
    struct Placed {
        HWND window;
        TwipsBox box;
        bool fitText;
        int growTwips;
    };
    // The font that lets the label's text fit; `r` grows as far as the text needs.
    HFONT fitLabel(const Placed& label, int dpi, RECT& r);
    FontCache& fonts_;
    platform::FontSpec font_;
    std::vector<Placed> controls_;
};

}  // namespace kz::win32
