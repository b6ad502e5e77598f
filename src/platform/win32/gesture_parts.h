#pragma once
// Everything the key gesture needs on Windows, built at start-up by the interception
// instance: the language set's key table, the popup window and its model, the key handler
// and the low-level hook that feeds it. The instance's start-up and exit sequence reach it
// through the matching InstanceParts calls.
#include <windows.h>

#include <functional>
#include <memory>

#include "charset/character_table.h"
#include "charset/key_table.h"
#include "input/gesture_flags.h"
#include "input/key_handler.h"
#include "input/tutorial_link.h"
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/process.h"
#include "platform/win32/hooks.h"
#include "platform/win32/keyboard.h"
#include "platform/win32/all_characters_panel.h"
#include "platform/win32/mouse_windows.h"
#include "platform/win32/popup_parts.h"
#include "platform/win32/popup_view_relay.h"
#include "platform/win32/registry.h"
#include "platform/win32/popup_screen.h"
#include "platform/win32/popup_window.h"
#include "platform/win32/synth_input.h"
#include "popup/popup_list.h"
#include "settings/running_settings.h"
#include "settings/settings_store.h"

namespace kz::win32 {

struct GestureLinks {
    HINSTANCE instance = nullptr;
    FontCache& fonts;  // the run's fonts, shared by every window of the program
    const RunningSettings& settings;
    const bool& optionsOpen;
    const SettingsStore& store;
    const platform::CodePage& codePage;
    const platform::Clock& clock;
    platform::Process& process;
    std::function<void()> ensureServiceRunning;
};

class GestureParts {
public:
    explicit GestureParts(GestureLinks links);
    ~GestureParts();
    GestureParts(const GestureParts&) = delete;
    GestureParts& operator=(const GestureParts&) = delete;

    // Reloads the character table and rebuilds the key table from the language set.
    void loadLanguages();
    // Creates the popup (once): hidden, width 0, topmost.
    void loadPopupHidden();
    void installKeyboardHook();
    void removeKeyboardHook();
    void makePopupTopmost();
    // Removes the hooks and destroys the popup for good (the exit sequence).
    void unloadPopup();

    // For the Options dialog: the popup keeps its all-characters state and lets the mouse
    // go before the dialog opens; the key handler forgets a recent function key after a save.
    void savePopupState() {
        if (popup_) popup_->closeMouseHook();
    }
    void removeMouseHook() { hooks_.removeMouseHook(); }
    void settingsSaved() {
        if (handler_) handler_->settingsSaved();
    }
    const CharacterTable& characters() const { return characters_; }

    PopupWindow* popupWindow() { return window_.get(); }

private:
    GestureLinks links_;
    Win32Keyboard keyboard_;
    Win32SyntheticInput input_;
    Win32Hooks hooks_;
    PopupScreen screen_;
    CharacterTable characters_;
    KeyTable keyTable_{};
    AnsiDecodeTable ansi_{};
    GestureFlags gesture_;
    TutorialSlot tutorial_;
    // The all-characters screen keeps its state and the mouse hook reads the double-click
    // settings through a store of their own (the registry wrapper holds no state).
    Win32Registry registry_;
    SettingsStore screenStore_{registry_};
    Win32MouseWindows mouseWindows_;
    std::unique_ptr<AnsiTable> ansiTable_;
    std::unique_ptr<PopupWindow> window_;
    std::unique_ptr<AllCharactersPanel> panel_;
    std::unique_ptr<PopupViewRelay> view_;
    std::unique_ptr<PopupParts> parts_;
    PopupList* popup_ = nullptr;  // in parts_
    std::unique_ptr<KeyHandler> handler_;
};

}  // namespace kz::win32
