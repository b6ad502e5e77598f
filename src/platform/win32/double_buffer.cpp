#include "platform/win32/double_buffer.h"

namespace kz::win32 {

DoubleBuffer::DoubleBuffer(HDC target, int width, int height)
    : target_(target), width_(width > 0 ? width : 1), height_(height > 0 ? height : 1) {
    UniqueMemoryDc dc = CreateMemoryDc(target);
    UniqueBitmap bitmap(CreateCompatibleBitmap(target, width_, height_));
    if (!dc || !bitmap) return;  // draw straight onto the target instead
    dc_ = std::move(dc);
    bitmap_ = std::move(bitmap);
    selection_.emplace(dc_.get(), bitmap_.get());
}

void DoubleBuffer::present() const {
    if (dc_) BitBlt(target_, 0, 0, width_, height_, dc_.get(), 0, 0, SRCCOPY);
}

}  // namespace kz::win32
