#pragma once
// The one way an object extends a window it does not own (a standard control, or the main
// window another module made): SetWindowSubclass with the holder as reference data. The
// subclass goes when the holder detaches or goes, so no message reaches a gone object.
#include <windows.h>

#include <functional>

namespace kz::win32 {

class WindowSubclass {
public:
    // Answers a message of the window; what it does not answer it passes on with
    // DefSubclassProc, before or after its own work as the case needs.
    using OnMessage = std::function<LRESULT(HWND window, UINT message, WPARAM wParam, LPARAM lParam)>;

    WindowSubclass() = default;
    ~WindowSubclass() { detach(); }
    // The system holds this object's address: it can be neither copied nor moved.
    WindowSubclass(const WindowSubclass&) = delete;
    WindowSubclass& operator=(const WindowSubclass&) = delete;

    // Subclasses `window` (nothing for a null one), after detaching from any earlier one.
    void attach(HWND window, OnMessage onMessage);
    // Removes the subclass; safe to call again, and from inside the handler.
    void detach();
    HWND window() const { return window_; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                 DWORD_PTR self);
    HWND window_ = nullptr;
    OnMessage onMessage_;
};

}  // namespace kz::win32
