#pragma once
// One page of the Options dialog (`tframe`): a borderless child dialog that stands over
// the tab control's body and holds the page's controls.
//
// The page takes on the tab body's background through the system's own dialog texture
// (EnableThemeDialogTexture with ETDT_ENABLETAB) rather than a copy of the screen: the
// texture is what the active visual style draws for tab pages, the system paints it
// under the static and button controls of the page as well, it follows theme and DPI
// changes, and it does not depend on the dialog being uncovered on the screen at the
// moment of a capture. Without visual styles the page is the plain dialog colour, which
// is then also the tab body's colour.
#include <windows.h>

#include "platform/win32/control_layout.h"

namespace kz::win32 {

// What a page's owner hears from it.
class PageEvents {
public:
    virtual ~PageEvents() = default;
    // WM_COMMAND from a control of the page.
    virtual void onCommand(int id, int code, HWND control) = 0;
    // WM_NOTIFY from a control of the page; the answer goes back to the control.
    virtual LRESULT onNotify(const NMHDR&) { return 0; }
    // An owner-drawn control of the page.
    virtual void onDrawItem(const DRAWITEMSTRUCT&) {}
    // Draws on the page itself, after its background (`dc` in page pixels).
    virtual void onPaint(HDC, int /*dpi*/) {}
};

class OptionsPage {
public:
    OptionsPage(HWND dialog, FontCache& fonts, PageEvents& events);
    ~OptionsPage();
    OptionsPage(const OptionsPage&) = delete;
    OptionsPage& operator=(const OptionsPage&) = delete;

    HWND hwnd() const { return page_; }
    HWND add(const ControlSpec& desc) { return controls_.add(page_, desc); }
    ControlLayout& controls() { return controls_; }
    // Places the page at its box in the dialog and its controls at theirs.
    void layout(const TwipsBox& box, int dpi);
    int dpi() const { return dpi_; }
    HFONT font() const { return controls_.font(dpi_); }
    void show(bool visible);

private:
    static INT_PTR CALLBACK DialogProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);

    PageEvents& events_;
    ControlLayout controls_;
    HWND page_ = nullptr;
    int dpi_ = 96;
};

}  // namespace kz::win32
