#pragma once
// Synthesised keyboard input into the foreground application: SendInput with keyboard
// records and keybd_event. The records are built by the caller (input/output.h) so that
// what is sent is decided, and tested, in the portable core.
#include <cstdint>
#include <span>

namespace kz::platform {

// KEYEVENTF_* flags of a keyboard record or a keybd_event call.
inline constexpr std::uint32_t kKeyEventExtendedKey = 0x1;
inline constexpr std::uint32_t kKeyEventKeyUp = 0x2;
inline constexpr std::uint32_t kKeyEventUnicode = 0x4;

// One INPUT record of type INPUT_KEYBOARD (the rest of the record is 0).
struct KeyboardInput {
    std::uint16_t vk = 0;
    std::uint16_t scan = 0;  // the character's code with kKeyEventUnicode
    std::uint32_t flags = 0;
    std::uint32_t time = 0;  // 0: the system stamps the event
    std::uintptr_t extraInfo = 0;

    friend bool operator==(const KeyboardInput&, const KeyboardInput&) = default;
};

class SyntheticInput {
public:
    virtual ~SyntheticInput() = default;
    // One SendInput call with all `records`, in order. Returns how many the system took
    // (SendInput's result); a partial send is not success.
    virtual unsigned sendInput(std::span<const KeyboardInput> records) = 0;
    // keybd_event(vk, scan code 0, flags, extraInfo).
    virtual void keybdEvent(std::uint8_t vk, std::uint32_t flags, std::uintptr_t extraInfo) = 0;
};

}  // namespace kz::platform
