#include "platform/win32/keyboard.h"

#include <windows.h>

#include <array>

namespace kz::win32 {

namespace {

// The layout of the application the user is typing in. Our hook runs on our own UI
// thread, whose layout is the one it started with: the user may have switched the layout
// of the foreground application since (layouts are per thread), so asking ToAscii on our
// thread's layout would answer for the wrong keyboard.
HKL ForegroundLayout() {
    HWND foreground = GetForegroundWindow();
    const DWORD thread = foreground != nullptr ? GetWindowThreadProcessId(foreground, nullptr) : 0;
    HKL layout = GetKeyboardLayout(thread);
    return layout != nullptr ? layout : GetKeyboardLayout(0);
}

}  // namespace

bool Win32Keyboard::asyncKeyDown(int vk) const { return GetAsyncKeyState(vk) != 0; }

std::int16_t Win32Keyboard::keyState(int vk) const { return static_cast<std::int16_t>(GetKeyState(vk)); }

platform::AsciiTranslation Win32Keyboard::toAscii(int vk, bool shift) {
    std::array<BYTE, 256> state{};
    if (shift) state[VK_SHIFT] = 0x80;
    WORD buffer[2] = {0, 0};
    const int result = ToAsciiEx(static_cast<UINT>(vk), 0, state.data(), buffer, 0, ForegroundLayout());
    return platform::AsciiTranslation{result, buffer[0]};
}

std::string Win32Keyboard::layoutName() const {
    HKL layout = ForegroundLayout();
    if (layout == GetKeyboardLayout(0)) {
        char name[KL_NAMELENGTH] = {};
        if (GetKeyboardLayoutNameA(name)) return name;
    }
    // A plain layout's identifier is its language: 0x04090409 is "00000409". Variants
    // (device part other than the language) are only named on our own thread.
    const auto value = reinterpret_cast<std::uintptr_t>(layout);
    char name[16];
    wsprintfA(name, "%08X", static_cast<unsigned>(value & 0xFFFF));
    return name;
}

}  // namespace kz::win32
