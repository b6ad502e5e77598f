#include "platform/win32/control_layout.h"

#include <algorithm>
#include <string>

#include "platform/win32/gdi_holders.h"
#include "platform/win32/wide_text.h"

namespace kz::win32 {

namespace {

int CALLBACK NoteTrueType(const LOGFONTW*, const TEXTMETRICW*, DWORD type, LPARAM found) {
    if ((type & TRUETYPE_FONTTYPE) != 0) *reinterpret_cast<bool*>(found) = true;
    return 1;
}

// The height DrawText needs for `text` broken into lines `width` pixels wide.
int TextHeight(const std::wstring& text, HFONT font, int width) {
    WindowDc screen(nullptr);
    SelectionGuard selected(screen.get(), font);
    RECT r{0, 0, width, 0};
    DrawTextW(screen.get(), text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    return r.bottom;
}

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

bool HasTrueTypeFace(const wchar_t* face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    const WindowDc screen(nullptr);
    EnumFontFamiliesExW(screen.get(), &wanted, NoteTrueType, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

}  // namespace

platform::FontSpec DialogFont() {
    // The boxes of our dialogs were measured for the sans-serif face of 8 points that
    // dialogs used to have; wider faces (Tahoma, Segoe UI) cut the last line of the longer
    // labels. A scalable copy of that face keeps the text sharp at any DPI; where there is
    // none, the system's message font stands in.
    static const std::string face = []() -> std::string {
        for (const wchar_t* candidate : {L"Microsoft Sans Serif", L"MS Sans Serif"}) {
            if (HasTrueTypeFace(candidate)) return Narrow(candidate);
        }
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) ||
            metrics.lfMessageFont.lfFaceName[0] == L'\0') {
            return "MS Shell Dlg 2";
        }
        return Narrow(metrics.lfMessageFont.lfFaceName);
    }();
    return platform::pointFont(8.0, face, false);
}

HWND ControlLayout::add(HWND parent, const ControlSpec& desc) {
    const std::wstring text(desc.text);
    HWND window = CreateWindowExW(desc.exStyle, desc.windowClass, text.c_str(),
                                  WS_CHILD | WS_VISIBLE | desc.style, 0, 0, 0, 0, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(desc.id)),
                                  reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
                                  nullptr);
    if (window != nullptr) controls_.push_back({window, desc.box, desc.fitText, desc.growTwips});
    return window;
}

void ControlLayout::apply(int dpi) {
    HFONT dialogFont = font(dpi);
    for (const Placed& placed : controls_) {
        RECT r = ToRect(platform::PixelsOf(placed.box, dpi));
        HFONT font = placed.fitText ? fitLabel(placed, dpi, r) : dialogFont;
        SetWindowPos(placed.window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(placed.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

HFONT ControlLayout::fitLabel(const Placed& label, int dpi, RECT& r) {
    const std::wstring text = WindowText(label.window);
    const int room = r.bottom - r.top + platform::TwipsToPixels(label.growTwips, dpi);
    platform::FontSpec desc = DialogFont();
    HFONT font = nullptr;
    for (int halfPoints = 16; halfPoints >= 14; --halfPoints) {
        desc.heightTwips = -halfPoints * 10;  // 20 twips to the point
        font = fonts_.get(desc, dpi);
        const int needed = TextHeight(text, font, r.right - r.left);
        if (needed <= room) {
            r.bottom = std::max(r.bottom, r.top + needed);
            return font;
        }
    }
    r.bottom = r.top + room;
    return font;
}

}  // namespace kz::win32
