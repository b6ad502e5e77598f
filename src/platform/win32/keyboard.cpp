#include "platform/win32/keyboard.h"

#include <windows.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/layout_name.h"

namespace kz::win32 {

namespace {

// ToUnicodeEx flag: leave the keyboard state as it is (Windows 10 1607 and later; older
// systems ignore it and keep a dead key's accent pending, which is why callers ask twice).
constexpr UINT kKeepKeyboardState = 0x4;

// The layout of the application the user is typing in. Our hook runs on our own UI
// thread, whose layout is the one it started with: the user may have switched the layout
// of the foreground application since (layouts are per thread), so asking on our thread's
// layout would answer for the wrong keyboard.
HKL ForegroundLayout() {
    HWND foreground = GetForegroundWindow();
    const DWORD thread = foreground != nullptr ? GetWindowThreadProcessId(foreground, nullptr) : 0;
    HKL layout = GetKeyboardLayout(thread);
    return layout != nullptr ? layout : GetKeyboardLayout(0);
}

// The byte of `c` in the ANSI code page, 0 when the code page has no single byte for it.
std::uint16_t ToAnsiByte(wchar_t c) {
    char out[2] = {};
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &c, 1, out, sizeof out, nullptr, &usedDefault);
    if (length != 1 || usedDefault) return 0;
    return static_cast<unsigned char>(out[0]);
}

// The name the system lists for layout variant `layoutId` ("Layout Id" under the list of
// keyboard layouts).
std::optional<std::string> ListedVariant(unsigned layoutId) {
    HKEY list = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Keyboard Layouts", 0,
                      KEY_READ, &list) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::optional<std::string> found;
    char name[KL_NAMELENGTH + 8];
    for (DWORD i = 0; !found; ++i) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(list, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        char id[16] = {};
        DWORD size = sizeof id - 1;
        if (RegGetValueA(list, name, "Layout Id", RRF_RT_REG_SZ, nullptr, id, &size) != ERROR_SUCCESS) continue;
        if (std::strtoul(id, nullptr, 16) == layoutId) found = name;
    }
    RegCloseKey(list);
    return found;
}

}  // namespace

bool Win32Keyboard::asyncKeyDown(int vk) const { return GetAsyncKeyState(vk) != 0; }

std::int16_t Win32Keyboard::keyState(int vk) const { return static_cast<std::int16_t>(GetKeyState(vk)); }

platform::AsciiTranslation Win32Keyboard::toAscii(int vk, bool shift) {
    std::array<BYTE, 256> state{};
    if (shift) state[VK_SHIFT] = 0x80;
    std::array<wchar_t, 4> buffer{};
    const int result = ToUnicodeEx(static_cast<UINT>(vk), 0, state.data(), buffer.data(),
                                   static_cast<int>(buffer.size()), kKeepKeyboardState, ForegroundLayout());
    return platform::AsciiTranslation{result, result == 0 ? std::uint16_t{0} : ToAnsiByte(buffer[0])};
}

// The name of the foreground application's layout: asked of the system when it is also
// ours, named from its handle otherwise.
std::string Win32Keyboard::layoutName() const {
    HKL layout = ForegroundLayout();
    if (layout == GetKeyboardLayout(0)) {
        char name[KL_NAMELENGTH] = {};
        if (GetKeyboardLayoutNameA(name)) return name;
    }
    const auto handle = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(layout));
    return platform::LayoutNameOfHandle(handle, &ListedVariant);
}

}  // namespace kz::win32
