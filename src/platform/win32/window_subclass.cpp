#include "platform/win32/window_subclass.h"

#include <commctrl.h>

#include <utility>

namespace kz::win32 {

// Each holder's address is its subclass id as well, so two holders on one window (a scroll
// bar that its list and its press handling both extend) never replace each other.
void WindowSubclass::attach(HWND window, OnMessage onMessage) {
    detach();
    if (window == nullptr) return;
    onMessage_ = std::move(onMessage);
    if (SetWindowSubclass(window, &WindowSubclass::Proc, reinterpret_cast<UINT_PTR>(this),
                          reinterpret_cast<DWORD_PTR>(this)))
        window_ = window;
}

void WindowSubclass::detach() {
    // The handler stays: detach may run inside it, while it is executing.
    if (window_ == nullptr) return;
    RemoveWindowSubclass(std::exchange(window_, nullptr), &WindowSubclass::Proc, reinterpret_cast<UINT_PTR>(this));
}

LRESULT CALLBACK WindowSubclass::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR self) {
    auto* holder = reinterpret_cast<WindowSubclass*>(self);
    if (holder == nullptr || holder->window_ != window) return DefSubclassProc(window, message, wParam, lParam);
    const LRESULT result = holder->onMessage_(window, message, wParam, lParam);
    // The system removes every subclass of a destroyed window; the holder forgets it too.
    if (message == WM_NCDESTROY) holder->window_ = nullptr;
    return result;
}

}  // namespace kz::win32
