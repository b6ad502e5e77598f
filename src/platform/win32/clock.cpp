#include "platform/win32/clock.h"

#include <windows.h>

namespace kz::win32 {

std::uint64_t Win32Clock::milliseconds() const { return GetTickCount64(); }

}  // namespace kz::win32
