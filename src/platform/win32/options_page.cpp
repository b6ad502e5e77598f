#include "platform/win32/options_page.h"

#include <uxtheme.h>

#include "platform/win32/gdi_holders.h"
#include "platform/win32/dpi.h"

namespace kz::win32 {
namespace {

// An empty dialog template: a control-parent child without a frame; its controls are
// made by code. DLGTEMPLATE is followed by three empty arrays (menu, class, title).
struct PageTemplate {
    DLGTEMPLATE header;
    WORD menu = 0;
    WORD windowClass = 0;
    WORD title = 0;
};

}  // namespace

OptionsPage::OptionsPage(HWND dialog, FontCache& fonts, PageEvents& events)
    : events_(events), controls_(fonts) {
    PageTemplate page{};
    page.header.style = WS_CHILD | DS_CONTROL | WS_CLIPSIBLINGS;
    page.header.dwExtendedStyle = WS_EX_CONTROLPARENT;
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE));
    CreateDialogIndirectParamW(instance, &page.header, dialog, &OptionsPage::DialogProc,
                               reinterpret_cast<LPARAM>(this));
    if (page_ != nullptr) EnableThemeDialogTexture(page_, ETDT_ENABLETAB);
}

OptionsPage::~OptionsPage() {
    if (page_ != nullptr && IsWindow(page_)) {
        SetWindowLongPtrW(page_, DWLP_USER, 0);
        DestroyWindow(page_);
    }
}

void OptionsPage::layout(const TwipsBox& box, int dpi) {
    dpi_ = dpi;
    if (page_ == nullptr) return;
    const RECT r = ToRect(platform::PixelsOf(box, dpi));
    SetWindowPos(page_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    controls_.apply(dpi);
    InvalidateRect(page_, nullptr, TRUE);
}

void OptionsPage::show(bool visible) {
    if (page_ != nullptr) ShowWindow(page_, visible ? SW_SHOW : SW_HIDE);
}

INT_PTR CALLBACK OptionsPage::DialogProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<OptionsPage*>(lParam);
        self->page_ = page;
        SetWindowLongPtrW(page, DWLP_USER, lParam);
        return FALSE;  // the focus is set by the dialog, not by the page
    }
    auto* self = reinterpret_cast<OptionsPage*>(GetWindowLongPtrW(page, DWLP_USER));
    if (self == nullptr) return FALSE;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(page, DWLP_USER, 0);
        self->page_ = nullptr;
        return FALSE;
    }
    return self->handle(message, wParam, lParam);
}

INT_PTR OptionsPage::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        events_.onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return TRUE;
    case WM_NOTIFY:
        SetWindowLongPtrW(page_, DWLP_MSGRESULT, events_.onNotify(*reinterpret_cast<const NMHDR*>(lParam)));
        return TRUE;
    case WM_DRAWITEM:
        events_.onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_PAINT: {
        PaintDc paint(page_);
        events_.onPaint(paint.get(), dpi_);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

}  // namespace kz::win32
