#include "platform/win32/gdi_holders.h"

namespace kz::win32 {

void ReleaseGdiObject(HGDIOBJ object) { DeleteObject(object); }
void ReleaseFont(HFONT font) { DeleteObject(font); }
void ReleaseBitmap(HBITMAP bitmap) { DeleteObject(bitmap); }
void ReleaseBrush(HBRUSH brush) { DeleteObject(brush); }
void ReleasePen(HPEN pen) { DeleteObject(pen); }
void ReleaseMemoryDc(HDC dc) { DeleteDC(dc); }
void ReleaseIcon(HICON icon) { DestroyIcon(icon); }
void ReleaseKernelHandle(HANDLE handle) {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
}
void ReleaseHook(HHOOK hook) { UnhookWindowsHookEx(hook); }

UniqueMemoryDc CreateMemoryDc(HDC dc) { return UniqueMemoryDc(CreateCompatibleDC(dc)); }

WindowDc::WindowDc(HWND window, bool wholeWindow)
    : window_(window), dc_(wholeWindow ? GetWindowDC(window) : GetDC(window)) {}

WindowDc::~WindowDc() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
}

WindowDc::WindowDc(WindowDc&& other) noexcept
    : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}

WindowDc& WindowDc::operator=(WindowDc&& other) noexcept {
    if (this != &other) {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
        window_ = std::exchange(other.window_, nullptr);
        dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
}

PaintDc::PaintDc(HWND window) : window_(window) { BeginPaint(window_, &paint_); }

PaintDc::~PaintDc() { EndPaint(window_, &paint_); }

}  // namespace kz::win32
