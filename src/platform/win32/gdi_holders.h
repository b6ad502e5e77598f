#pragma once
// Owners of system handles: none can be copied, every one can be moved, each releases its
// handle exactly once. SelectObject happens only through SelectionGuard, which puts the
// previous object back at scope exit. DeleteObject is called in gdi_holders.cpp only.
#include <windows.h>

#include <utility>

namespace kz::win32 {

template <typename Handle, void (*Release)(Handle)>
class UniqueHolder {
public:
    UniqueHolder() = default;
    explicit UniqueHolder(Handle handle) : handle_(handle) {}
    ~UniqueHolder() { reset(); }
    UniqueHolder(const UniqueHolder&) = delete;
    UniqueHolder& operator=(const UniqueHolder&) = delete;
    UniqueHolder(UniqueHolder&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    UniqueHolder& operator=(UniqueHolder&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, Handle{}));
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    // Gives the handle up without releasing it.
    Handle release() { return std::exchange(handle_, Handle{}); }
    // Releases the held handle (a null one is ignored) and holds `handle` instead.
    void reset(Handle handle = Handle{}) {
        const Handle old = std::exchange(handle_, handle);
        if (old != Handle{}) Release(old);
    }

private:
    Handle handle_{};
};

void ReleaseGdiObject(HGDIOBJ object);
void ReleaseFont(HFONT font);
void ReleaseBitmap(HBITMAP bitmap);
void ReleaseBrush(HBRUSH brush);
void ReleasePen(HPEN pen);
void ReleaseMemoryDc(HDC dc);
void ReleaseIcon(HICON icon);
void ReleaseKernelHandle(HANDLE handle);
void ReleaseHook(HHOOK hook);

using UniqueFont = UniqueHolder<HFONT, ReleaseFont>;
using UniqueBitmap = UniqueHolder<HBITMAP, ReleaseBitmap>;
using UniqueBrush = UniqueHolder<HBRUSH, ReleaseBrush>;
using UniquePen = UniqueHolder<HPEN, ReleasePen>;
using UniqueMemoryDc = UniqueHolder<HDC, ReleaseMemoryDc>;  // CreateCompatibleDC / CreateDC
using UniqueIcon = UniqueHolder<HICON, ReleaseIcon>;
using UniqueHandle = UniqueHolder<HANDLE, ReleaseKernelHandle>;
using UniqueHook = UniqueHolder<HHOOK, ReleaseHook>;

// A memory DC compatible with `dc` (the screen's when null); empty when the system refuses.
UniqueMemoryDc CreateMemoryDc(HDC dc);

// GetDC / ReleaseDC (or GetWindowDC with `wholeWindow`); a null window is the screen.
class WindowDc {
public:
    explicit WindowDc(HWND window, bool wholeWindow = false);
    ~WindowDc();
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    WindowDc(WindowDc&& other) noexcept;
    WindowDc& operator=(WindowDc&& other) noexcept;
    HDC get() const { return dc_; }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

// BeginPaint / EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND window);
    ~PaintDc();
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const { return paint_.hdc; }
    const RECT& dirty() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
};

// Selects `object` into `dc` and the previous object back when it goes.
class SelectionGuard {
public:
    SelectionGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectionGuard() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    SelectionGuard(const SelectionGuard&) = delete;
    SelectionGuard& operator=(const SelectionGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace kz::win32
