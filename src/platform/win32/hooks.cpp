#include "platform/win32/hooks.h"

#include <windows.h>

namespace kz::win32 {

namespace {

// A hook procedure carries no context, so the sinks of the one process-wide pair of
// hooks live here. Only the UI thread touches them: it installs, removes and is called.
platform::KeyEventSink* keySink = nullptr;
platform::MouseEventSink* mouseSink = nullptr;

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && keySink != nullptr) {
        const auto& raw = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const platform::KeyEvent event{raw.vkCode, raw.scanCode, raw.flags, raw.time,
                                       static_cast<std::uintptr_t>(raw.dwExtraInfo)};
        if (keySink->onKeyEvent(event)) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && mouseSink != nullptr) {
        const auto& raw = *reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        const platform::MouseEvent event{raw.pt.x, raw.pt.y, static_cast<std::uint32_t>(raw.mouseData),
                                         raw.flags, raw.time, static_cast<std::uint32_t>(wParam)};
        if (mouseSink->onMouseEvent(event)) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

Win32Hooks::~Win32Hooks() {
    removeMouseHook();
    removeKeyboardHook();
}

bool Win32Hooks::installKeyboardHook(platform::KeyEventSink& sink) {
    keySink = &sink;
    if (!keyboardHook_)
        keyboardHook_.reset(SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardProc, GetModuleHandleW(nullptr), 0));
    if (!keyboardHook_) keySink = nullptr;
    return static_cast<bool>(keyboardHook_);
}

void Win32Hooks::removeKeyboardHook() {
    keyboardHook_.reset();
    keySink = nullptr;
}

bool Win32Hooks::installMouseHook(platform::MouseEventSink& sink) {
    mouseSink = &sink;
    if (!mouseHook_) mouseHook_.reset(SetWindowsHookExW(WH_MOUSE_LL, &MouseProc, GetModuleHandleW(nullptr), 0));
    if (!mouseHook_) mouseSink = nullptr;
    return static_cast<bool>(mouseHook_);
}

void Win32Hooks::removeMouseHook() {
    mouseHook_.reset();
    mouseSink = nullptr;
}

}  // namespace kz::win32
