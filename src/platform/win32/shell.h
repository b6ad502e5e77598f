#pragma once
// The program's windows on Windows besides the main window: the popup's, the tray icon,
// the about box, help, message boxes, the Options dialog's controls and the language
// editor.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "app/program_windows.h"
#include "platform/code_page.h"
#include "platform/win32/about_box.h"
#include "platform/win32/font_cache.h"
#include "platform/win32/help_viewer.h"
#include "platform/win32/language_editor.h"
#include "platform/win32/language_picker_window.h"
#include "platform/win32/message_box.h"
#include "platform/win32/options_window.h"
#include "platform/win32/tray_icon.h"
#include "platform/win32/tutorial_window.h"
#include "settings/settings_store.h"

namespace kz::win32 {

class Win32ProgramWindows final : public app::ProgramWindows {
public:
    struct Links {
        HINSTANCE instance = nullptr;
        SettingsStore& store;
        const platform::CodePage& codePage;
        std::string applicationFolder;  // UTF-8, with the trailing backslash
    };

    explicit Win32ProgramWindows(Links links);
    ~Win32ProgramWindows() override;
    Win32ProgramWindows(const Win32ProgramWindows&) = delete;
    Win32ProgramWindows& operator=(const Win32ProgramWindows&) = delete;

    std::unique_ptr<app::PopupWindows> createPopup() override;
    void addTrayIcon(platform::MainWindow& window, std::string_view tooltip, app::TrayActions& actions) override;
    void removeTrayIcon() override;
    options::OptionsView& optionsView() override { return optionsWindow_; }
    void buildOptionsWindow(platform::MainWindow& window, options::OptionsDialog& dialog) override;
    options::LanguageEditor& languageEditor(const RunningSettings& settings) override;
    platform::MessageBoxes& messageBoxes() override { return messageBoxes_; }
    void showAbout(const app::AboutFacts& facts) override;
    void showHelp(std::string_view topic) override { help_.show(topic); }
    void showTutorial(const TutorialWindowLinks& links) override;
    void unloadOtherWindows() override;
    void showLanguagePicker() override;

private:
    Links links_;
    // Every font of the run, shared by every window of the program; it outlives them all.
    FontCache fonts_;
    SystemMessageBoxes messageBoxes_;
    HelpViewer help_;
    std::optional<TrayIcon> tray_;
    app::AboutFacts facts_;
    AboutBox about_;
    OptionsWindow optionsWindow_;
    HWND optionsOwner_ = nullptr;  // the main window, which the dialog is built on
    std::optional<Win32LanguageEditor> editor_;
    std::optional<TutorialWindow> tutorial_;  // built at its first opening
    std::optional<LanguagePickerWindow> picker_;  // "/setup" only
};

}  // namespace kz::win32
