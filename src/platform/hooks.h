#pragma once
// The system-wide low-level hooks. The hook procedure copies the system's record into a
// plain value and hands it to one sink, whose answer (swallow or pass) goes back to the
// system; the decision itself lives in the portable core. Hooks are installed and removed
// on the thread that runs the message loop, and the sinks are called on that thread.
#include <cstdint>

namespace kz::platform {

// LLKHF_* flags of a keyboard event.
inline constexpr std::uint32_t kKeyFlagExtended = 0x01;
inline constexpr std::uint32_t kKeyFlagInjected = 0x10;
inline constexpr std::uint32_t kKeyFlagAltDown = 0x20;
inline constexpr std::uint32_t kKeyFlagUp = 0x80;

// VK_PACKET: the virtual key of a Unicode stroke as the keyboard hook sees it.
inline constexpr std::uint32_t kPacketKey = 0xE7;

// A copy of KBDLLHOOKSTRUCT.
struct KeyEvent {
    std::uint32_t vk = 0;
    std::uint32_t scanCode = 0;
    std::uint32_t flags = 0;
    std::uint32_t time = 0;
    std::uintptr_t extraInfo = 0;

    bool isUp() const { return (flags & kKeyFlagUp) != 0; }
};

// A copy of the first fields of MSLLHOOKSTRUCT plus the message (WM_MOUSEMOVE ...).
struct MouseEvent {
    std::int32_t x = 0;  // screen pixels
    std::int32_t y = 0;
    std::uint32_t mouseData = 0;  // the wheel delta in the high word for WM_MOUSEWHEEL
    std::uint32_t flags = 0;
    std::uint32_t time = 0;
    std::uint32_t message = 0;
};

class KeyEventSink {
public:
    virtual ~KeyEventSink() = default;
    // True swallows the event (the hook procedure returns 1); false passes it on
    // (CallNextHookEx). Must not throw, allocate when nothing opens, or block.
    virtual bool onKeyEvent(const KeyEvent& event) noexcept = 0;
};

class MouseEventSink {
public:
    virtual ~MouseEventSink() = default;
    virtual bool onMouseEvent(const MouseEvent& event) noexcept = 0;
};

class Hooks {
public:
    virtual ~Hooks() = default;
    // SetWindowsHookEx(WH_KEYBOARD_LL). Installing while installed replaces the sink and
    // keeps the one hook. False when the system refused (the program then runs without
    // interception; nobody reports it).
    virtual bool installKeyboardHook(KeyEventSink& sink) = 0;
    // UnhookWindowsHookEx when installed; nothing otherwise.
    virtual void removeKeyboardHook() = 0;
    virtual bool keyboardHookInstalled() const = 0;

    // The same for WH_MOUSE_LL, installed only while the popup is shown.
    virtual bool installMouseHook(MouseEventSink& sink) = 0;
    virtual void removeMouseHook() = 0;
    virtual bool mouseHookInstalled() const = 0;
};

}  // namespace kz::platform
