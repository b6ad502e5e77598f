#pragma once
// The low-level keyboard and mouse hooks. The hook procedures copy the system's record and
// call the sink; nothing else happens inside them.
#include "platform/hooks.h"
#include "platform/win32/gdi_holders.h"

namespace kz::win32 {

class Win32Hooks final : public platform::Hooks {
public:
    Win32Hooks() = default;
    ~Win32Hooks() override;
    Win32Hooks(const Win32Hooks&) = delete;
    Win32Hooks& operator=(const Win32Hooks&) = delete;

    bool installKeyboardHook(platform::KeyEventSink& sink) override;
    void removeKeyboardHook() override;
    bool keyboardHookInstalled() const override { return static_cast<bool>(keyboardHook_); }

    bool installMouseHook(platform::MouseEventSink& sink) override;
    void removeMouseHook() override;
    bool mouseHookInstalled() const override { return static_cast<bool>(mouseHook_); }

private:
    UniqueHook keyboardHook_;
    UniqueHook mouseHook_;
};

}  // namespace kz::win32
