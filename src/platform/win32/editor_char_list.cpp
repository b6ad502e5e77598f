#include "platform/win32/editor_char_list.h"

#include <commctrl.h>

#include "editor/editor_list_draw.h"
#include "platform/win32/double_buffer.h"
#include "platform/win32/gdi_canvas.h"
#include "platform/win32/gdi_holders.h"
#include "platform/win32/window_binding.h"

namespace kz::win32 {

namespace {

constexpr wchar_t kClassName[] = L"KelvraZavoraEditorList";

HINSTANCE InstanceOf(HWND window) {
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
}

}  // namespace

EditorCharList::EditorCharList(EditorCharListSetup setup) : s_(std::move(setup)) {
    const HINSTANCE instance = InstanceOf(s_.parent);
    // a double click in a list is Add or Remove
    RegisterWindowClass(instance, kClassName, &EditorCharList::WindowProc, CS_DBLCLKS);
    CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, 0, 0, 0, 0, s_.parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(s_.id)), instance, this);

    barModel_.setLargeChange(editor::kVisibleRows);
    barModel_.onScroll([this] {
        if (s_.events.scrolled) s_.events.scrolled(barModel_.value());
    });
    bar_ = std::make_unique<ScrollBar>(s_.parent, barModel_, RECT{0, 0, 0, 0});
    barSubclass_.attach(bar_->handle(), [this](HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
        const LRESULT result = DefSubclassProc(bar, message, wParam, lParam);
        if (message == WM_SETFOCUS && s_.events.barFocused) s_.events.barFocused();
        return result;
    });
}

EditorCharList::~EditorCharList() {
    barSubclass_.detach();
    bar_.reset();
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

bool EditorCharList::hasFocus() const {
    const HWND focus = GetFocus();
    return focus != nullptr && (focus == window_ || focus == barHandle());
}

void EditorCharList::place(const RECT& list, const RECT& bar, int dpi) {
    dpi_ = dpi;
    // The border lies outside the list's rectangle, so seven rows fill the inside.
    if (window_ != nullptr) {
        MoveWindow(window_, list.left - 1, list.top - 1, list.right - list.left + 2, list.bottom - list.top + 2, TRUE);
    }
    bar_->move(bar);
    sync();
}

void EditorCharList::show(const editor::CharacterList& list) {
    list_ = &list;
    sync();
}

void EditorCharList::sync() {
    if (list_ == nullptr) return;
    barModel_.setMin(0);
    barModel_.setMax(list_->scrollMaximum());
    barModel_.setValue(list_->scrollValue());
    bar_->sync();
    if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
}

bool EditorCharList::routeScroll(HWND bar, WPARAM wParam) {
    if (bar == nullptr || bar != barHandle()) return false;
    bar_->onScroll(wParam);
    return true;
}

LRESULT CALLBACK EditorCharList::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchToWindowObject(window, message, wParam, lParam, &EditorCharList::window_, &EditorCharList::handle);
}

LRESULT EditorCharList::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: onPaint(); return 0;
        // The arrow keys move the selection here instead of the dialog's focus.
        case WM_GETDLGCODE: return DLGC_WANTARROWS;
        case WM_KEYDOWN: onKey(wParam); return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN: {
            SetFocus(window_);
            const int yPixels = static_cast<short>(HIWORD(lParam));
            if (s_.events.mouseDown) s_.events.mouseDown(MulDiv(yPixels, platform::kTwipsPerInch, dpi_));
            return 0;
        }
        case WM_LBUTTONDBLCLK:
            if (s_.events.doubleClick) s_.events.doubleClick();
            return 0;
        default: return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void EditorCharList::onKey(WPARAM key) {
    if (!s_.events.keyDown) return;
    switch (key) {
        case VK_UP: s_.events.keyDown(editor::ListKey::Up); break;
        case VK_DOWN: s_.events.keyDown(editor::ListKey::Down); break;
        case VK_PRIOR: s_.events.keyDown(editor::ListKey::PageUp); break;
        case VK_NEXT: s_.events.keyDown(editor::ListKey::PageDown); break;
        default: break;  // other keys do nothing
    }
}

void EditorCharList::onPaint() {
    PaintDc paint(window_);
    RECT client{};
    GetClientRect(window_, &client);
    DoubleBuffer buffer(paint.get(), client.right, client.bottom);
    {
        GdiCanvas canvas(buffer.dc(), dpi_, *s_.fonts);
        if (list_ != nullptr) {
            editor::DrawEditorList(canvas, *list_, *s_.characters, *s_.displayUnicodeSymbol, client.right,
                                   client.bottom);
        } else {
            canvas.fillRect({0, 0, client.right, client.bottom}, canvas.systemColor(platform::SystemColor::Window));
        }
    }
    buffer.present();
}

}  // namespace kz::win32
