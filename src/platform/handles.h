#pragma once
// Opaque identities of system objects as the portable core sees them. On Windows a
// WindowHandle is an HWND's value; in the simulated desktop it is a number the desktop
// hands out. Zero always means "no window".
#include <cstdint>

namespace kz::platform {

using WindowHandle = std::uintptr_t;

}  // namespace kz::platform
