#pragma once
// The interception program, built on the platform's backends: the instance with its
// start-up and exit, the language set's key table, the popup and its model, the key
// handler fed by the keyboard hook, the tray menu's actions and the Options dialog.
// Windows and the simulated desktop build the same object, each with its own backends.
#include <memory>

#include "app/instance.h"
#include "app/program_steps.h"
#include "app/popup_objects.h"
#include "app/program_windows.h"
#include "app/tray_menu.h"
#include "charset/ansi_table.h"
#include "charset/character_table.h"
#include "charset/key_table.h"
#include "keys/gesture_flags.h"
#include "input/key_handler.h"
#include "keys/tutorial_link.h"
#include "options/options_dialog.h"
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/desktop.h"
#include "platform/hooks.h"
#include "platform/keyboard.h"
#include "platform/mouse_windows.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/synth_input.h"
#include "settings/settings_store.h"

namespace kz::app {

class Program final : public NoProgramSteps, private TrayActions, private options::RunningProgram {
public:
    struct Links {
        platform::Desktop& desktop;
        platform::Process& process;
        const platform::Clock& clock;
        const platform::Registry& registry;  // the mouse hook's double-click settings
        SettingsStore& store;
        const platform::CodePage& codePage;
        platform::Keyboard& keyboard;
        platform::SyntheticInput& input;
        platform::Hooks& hooks;
        platform::MouseWindows& mouseWindows;
        ProgramWindows& windows;
    };

    explicit Program(Links links);
    ~Program() override;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Runs the start-up that the command line asks for (Instance::start).
    void start() { instance_.start(); }
    Instance& instance() { return instance_; }

    // The start-up's and the exit sequence's steps (ProgramSteps).
    // Reloads the character table and rebuilds the key table from the language set.
    void loadLanguages() override;
    std::string expandKeyCodes(std::string_view text) override;
    // Creates the popup (once): hidden, width 0, topmost.
    void loadPopupHidden() override;
    void installKeyboardHook() override;
    void removeKeyboardHook() override;
    void reinstallKeyboardHook() override;
    void addTrayIcon(platform::MainWindow& window, std::string_view tooltip) override;
    void removeTrayIcon() override;
    // The tray menu's "Options" and "/options" at start-up.
    void openOptions() override;
    void makePopupTopmost() override;
    // Removes the hooks and destroys the popup for good.
    void unloadPopup() override;
    void unloadOtherForms() override;
    // The tray's "Tutorial" and "/tutorial" at start-up.
    void showTutorial() override;
    void showSetup() override { links_.windows.showLanguagePicker(); }

    // What the program holds, for the simulated desktop's tests.
    CharacterTable& characters() { return characters_; }
    KeyTable& keyTable() { return keyTable_; }
    GestureFlags& gesture() { return gesture_; }
    TutorialLink& tutorial() { return tutorial_; }
    PopupWindows* popupWindows() { return popupWindows_.get(); }
    PopupObjects* popup() { return popup_.get(); }
    KeyHandler* keyHandler() { return handler_.get(); }
    options::OptionsDialog* optionsDialog() { return dialog_.get(); }

private:
    void buildOptions(platform::MainWindow& window);
    class DialogHooks;

    void runAtNextMessagePass(std::function<void()> work);
    void checkServiceLater();

    // TrayActions
    void showAbout() override;
    void showHelp(std::string_view topic) override;  // also options::RunningProgram
    void exitProgram() override;
    // options::RunningProgram
    void setOptionsOpen(bool open) override;
    void savePopupState() override;
    void closeOptions() override;
    bool programEnding() const override;
    void rebuildKeyTable() override;
    void clearRecentFunctionKey() override;

    AboutFacts aboutFacts();
    void openTutorialWindow();
    PopupOutline popupOutline() const;
    options::DataFolder dataFolder() const;

    Links links_;
    Instance instance_;
    CharacterTable characters_;
    KeyTable keyTable_{};
    AnsiDecodeTable ansi_{};
    LowerCaseTable lower_{};
    AnsiTable ansiTable_;
    GestureFlags gesture_;
    TutorialLink tutorial_;
    std::unique_ptr<PopupWindows> popupWindows_;
    std::unique_ptr<PopupObjects> popup_;
    std::unique_ptr<KeyHandler> handler_;
    bool serviceCheckPending_ = false;
    std::unique_ptr<DialogHooks> dialogHooks_;
    // Built on the first opening: the dialog's windows and controls cost memory that a
    // program which mostly waits for the trigger should not hold from the start.
    std::unique_ptr<options::OptionsDialog> dialog_;
};

}  // namespace kz::app
