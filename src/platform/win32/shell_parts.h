#pragma once
// What the user sees of the interception instance besides the popup: the tray icon and
// its menu, the about box, help and the Options dialog. The instance's start-up and exit
// sequence reach it through the matching InstanceParts calls; the dialog's logic reaches
// the running program (hooks, popup, key table) through this object.
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "app/instance.h"
#include "app/tray_menu.h"
#include "options/options_dialog.h"
#include "platform/code_page.h"
#include "platform/win32/about_box.h"
#include "platform/win32/font_cache.h"
#include "platform/win32/gesture_parts.h"
#include "platform/win32/help_viewer.h"
#include "platform/win32/message_box.h"
#include "platform/win32/options_window.h"
#include "platform/win32/tray_icon.h"
#include "settings/settings_store.h"

namespace kz::win32 {

struct ShellLinks {
    HINSTANCE instance = nullptr;
    FontCache& fonts;  // the run's fonts, shared by every window of the program
    app::Instance& program;
    SettingsStore& store;
    const platform::CodePage& codePage;
    std::string applicationFolder;  // UTF-8, with the trailing backslash
    GestureParts* gesture = nullptr;  // the key gesture; none in a process without it
};

// The language editor as the Options dialog sees it. Until an editor is plugged in, the
// commands "Add Language" and "Edit Language" open nothing and save nothing.
class LanguageEditorSlot final : public options::LanguageEditor {
public:
    void plug(options::LanguageEditor* editor) { editor_ = editor; }
    std::string addLanguage() override { return editor_ ? editor_->addLanguage() : std::string(); }
    std::string editLanguage(std::string_view name) override {
        return editor_ ? editor_->editLanguage(name) : std::string();
    }

private:
    options::LanguageEditor* editor_ = nullptr;
};

class ShellParts final : private app::TrayActions, private options::OptionsHost {
public:
    explicit ShellParts(ShellLinks links);
    ~ShellParts() override;
    ShellParts(const ShellParts&) = delete;
    ShellParts& operator=(const ShellParts&) = delete;

    void addTrayIcon(platform::MainWindow& window, std::string_view tooltip);
    void removeTrayIcon();
    // Builds the Options dialog's controls on the main window (hidden).
    void prepareOptionsLayout(platform::MainWindow& window);
    // `menu_options_Click`: the tray menu's "Options" and "/options" at start-up.
    void openOptions() override;
    // The exit sequence: every window of ours other than the main window and the popup.
    void unloadOtherForms();

    LanguageEditorSlot& languageEditor() { return editor_; }
    options::OptionsDialog* optionsDialog() { return dialog_.get(); }

private:
    class GestureHooks;

    // app::TrayActions
    void showTutorial() override;
    void showAbout() override;
    void showHelp(std::string_view topic) override;  // also options::OptionsHost
    void exitProgram() override;
    // options::OptionsHost
    void setOptionsOpen(bool open) override;
    void savePopupState() override;
    void makePopupTopmost() override;
    void closeOptions() override;
    void rebuildKeyTable() override;
    void clearRecentFunctionKey() override;

    AboutFacts aboutFacts();
    options::DataFolder dataFolder() const;

    ShellLinks links_;
    SystemMessageBoxes messageBoxes_;
    HelpViewer help_;
    TrayIcon tray_;
    AboutBox about_;
    LanguageEditorSlot editor_;
    std::unique_ptr<GestureHooks> hooks_;
    OptionsWindow optionsWindow_;
    std::unique_ptr<options::OptionsDialog> dialog_;
};

}  // namespace kz::win32
