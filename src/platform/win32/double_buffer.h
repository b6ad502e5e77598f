#pragma once
// Painting without flicker: everything is drawn into a memory bitmap the size of the
// window and copied to the screen in one BitBlt.
#include <windows.h>

#include <optional>

#include "platform/win32/gdi_holders.h"

namespace kz::win32 {

class DoubleBuffer {
public:
    DoubleBuffer(HDC target, int width, int height);
    DoubleBuffer(const DoubleBuffer&) = delete;
    DoubleBuffer& operator=(const DoubleBuffer&) = delete;

    // The memory device context to draw into; the target's when no buffer could be made.
    HDC dc() const { return dc_ ? dc_.get() : target_; }
    // Copies the buffer to the target at (0, 0).
    void present() const;

private:
    HDC target_;
    int width_;
    int height_;
    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    std::optional<SelectionGuard> selection_;  // released first: the bitmap leaves the DC
};

}  // namespace kz::win32
