#include "platform/win32/synth_input.h"

#include <windows.h>

#include <array>
#include <vector>

namespace kz::win32 {

namespace {

INPUT ToInput(const platform::KeyboardInput& record) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = record.vk;
    input.ki.wScan = record.scan;
    input.ki.dwFlags = record.flags;
    input.ki.time = record.time;
    input.ki.dwExtraInfo = record.extraInfo;
    return input;
}

}  // namespace

unsigned Win32SyntheticInput::sendInput(std::span<const platform::KeyboardInput> records) {
    if (records.empty()) return 0;
    // A character is two records; the stack holds the usual case without allocating.
    std::array<INPUT, 4> small{};
    std::vector<INPUT> large;
    INPUT* inputs = small.data();
    if (records.size() > small.size()) {
        large.resize(records.size());
        inputs = large.data();
    }
    for (std::size_t i = 0; i < records.size(); ++i) inputs[i] = ToInput(records[i]);
    return SendInput(static_cast<UINT>(records.size()), inputs, sizeof(INPUT));
}

void Win32SyntheticInput::keybdEvent(std::uint8_t vk, std::uint32_t flags, std::uintptr_t extraInfo) {
    keybd_event(vk, 0, flags, extraInfo);
}

}  // namespace kz::win32
