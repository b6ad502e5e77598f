#include "platform/win32/popup_window.h"

#include "platform/win32/dpi.h"
#include "platform/win32/double_buffer.h"
#include "platform/win32/gdi_canvas.h"
#include "platform/win32/gdi_holders.h"
#include "platform/win32/window_binding.h"
#include "popup/popup_render.h"

namespace kz::win32 {

namespace {

constexpr const wchar_t* kClassName = kPopupClassName;
// The all-characters panel is a child that paints itself: the popup paints around it.
constexpr DWORD kStyle = WS_POPUP | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST;
constexpr UINT kNoActivation = SWP_NOACTIVATE | SWP_NOOWNERZORDER;

}  // namespace

PopupWindow::PopupWindow(HINSTANCE instance, FontCache& fonts) : fonts_(fonts) {
    RegisterWindowClass(instance, kClassName, &PopupWindow::WindowProc, CS_HREDRAW | CS_VREDRAW);
    // Created hidden on the primary monitor; place() moves it and picks up that DPI.
    CreateWindowExW(kExStyle, kClassName, L"", kStyle, 0, 0, 0, 0, nullptr, nullptr, instance, this);
    dpi_ = window_ != nullptr ? DpiOfWindow(window_) : DpiAtPoint(POINT{0, 0});
}

PopupWindow::~PopupWindow() {
    if (window_ == nullptr) return;
    // Teardown messages must not reach a half-destroyed object.
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

LRESULT CALLBACK PopupWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchToWindowObject(window, message, wParam, lParam, &PopupWindow::window_, &PopupWindow::handle);
}

LRESULT PopupWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: onPaint(); return 0;
        case WM_DPICHANGED:
            onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_VSCROLL: onScrollBar(reinterpret_cast<HWND>(lParam), wParam); return 0;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            if (onMouse_) onMouse_(message, wParam, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
            return 0;
        case WM_CLOSE:
            if (onClose_) onClose_();
            return 0;  // never destroyed by a close: only the destructor unloads it
        default: return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void PopupWindow::onPaint() {
    PaintDc paint(window_);
    RECT client{};
    GetClientRect(window_, &client);
    DoubleBuffer buffer(paint.get(), client.right, client.bottom);
    {
        GdiCanvas canvas(buffer.dc(), dpi_, fonts_);
        canvas.fillRect(platform::Rect{0, 0, client.right, client.bottom}, platform::kWhite);
        if (source_) PaintPopup(canvas, source_());
    }
    buffer.present();
}

void PopupWindow::onScrollBar(HWND bar, WPARAM wParam) {
    for (ScrollBar* child : scrollBars_) {
        if (child->handle() == bar) child->onScroll(wParam);
    }
}

void PopupWindow::redraw() {
    // Painting waits for the message loop: the key handler that asked must not draw.
    if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
}

void PopupWindow::layoutChanged() { redraw(); }

void PopupWindow::place(const PopupBounds& bounds) {
    if (window_ == nullptr) return;
    widthTwips_ = bounds.widthTwips;
    heightTwips_ = bounds.heightTwips;
    // The DPI the model placed it at, so that the mouse hook measures what is drawn.
    dpi_ = bounds.dpi;
    left_ = bounds.pixels.left;
    top_ = bounds.pixels.top;
    // A hidden window is only remembered: show() moves, sizes, raises and shows it in
    // one call, which keeps the way from the key to the first frame short.
    if (IsWindowVisible(window_)) applySize(left_, top_);
}

void PopupWindow::applySize(int left, int top) {
    SetWindowPos(window_, nullptr, left, top, pixelWidth(), pixelHeight(), SWP_NOZORDER | kNoActivation);
    redraw();
}

int PopupWindow::pixelWidth() const { return platform::TwipsToPixels(widthTwips_, dpi_); }
int PopupWindow::pixelHeight() const { return platform::TwipsToPixels(heightTwips_, dpi_); }

void PopupWindow::show() {
    if (window_ == nullptr) return;
    // On top of the other topmost windows, never activated: the focus stays where the
    // user types.
    SetWindowPos(window_, HWND_TOPMOST, left_, top_, pixelWidth(), pixelHeight(), SWP_SHOWWINDOW | kNoActivation);
}

void PopupWindow::hide() {
    if (window_ != nullptr) ShowWindow(window_, SW_HIDE);
}

void PopupWindow::setTopmost() {
    // A hidden popup is raised by show(); a shown one is brought back above windows
    // that became topmost after it.
    if (window_ == nullptr || !IsWindowVisible(window_)) return;
    constexpr UINT flags = SWP_NOMOVE | SWP_NOSIZE | kNoActivation;
    SetWindowPos(window_, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, flags);
}

void PopupWindow::onDpiChanged(int dpi, const RECT& suggested) {
    if (TestDpiOverride()) return;  // the forced value stays
    if (onDpi_) {
        onDpi_(dpi, suggested.left, suggested.top);  // comes back through place()
        return;
    }
    dpi_ = dpi > 0 ? dpi : dpi_;
    // The fonts for the new DPI come from the cache; the size comes from our twips.
    left_ = suggested.left;
    top_ = suggested.top;
    applySize(left_, top_);
}

}  // namespace kz::win32
