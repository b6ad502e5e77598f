#pragma once
// The one way a window object meets its HWND, for every window class of the program: the
// object arrives as CreateWindowExW's last argument, is kept in GWLP_USERDATA from
// WM_NCCREATE on, and is unbound at WM_NCDESTROY, so no later message reaches it.
#include <windows.h>

namespace kz::win32 {

// Called from a class's static window procedure, which may name its private members:
// `handle` holds the window's HWND (null again after WM_NCDESTROY), `onMessage` answers the
// messages. Messages before WM_NCCREATE go to DefWindowProcW.
template <class T>
LRESULT DispatchToWindowObject(HWND window, UINT message, WPARAM wParam, LPARAM lParam, HWND T::*handle,
                               LRESULT (T::*onMessage)(UINT, WPARAM, LPARAM)) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->*handle = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    if (message != WM_NCDESTROY) return (self->*onMessage)(message, wParam, lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    const LRESULT result = (self->*onMessage)(message, wParam, lParam);
    self->*handle = nullptr;
    return result;
}

// The dialog face colour as a class background, for windows that look like dialogs.
inline HBRUSH DialogFaceBrush() { return reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1); }

// Registers one of the program's window classes, once per process: a window made again
// finds its class already there. Arrow cursor; a null `background` leaves all painting to
// the window.
inline void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, UINT style = 0,
                                HBRUSH background = nullptr) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(instance, name, &wc)) return;
    wc = WNDCLASSEXW{.cbSize = sizeof wc,
                     .style = style,
                     .lpfnWndProc = procedure,
                     .hInstance = instance,
                     .hCursor = LoadCursorW(nullptr, IDC_ARROW),
                     .hbrBackground = background,
                     .lpszClassName = name};
    RegisterClassExW(&wc);
}

}  // namespace kz::win32
