#pragma once
// The windows the program shows, as the platform builds them: the popup with its
// all-characters panel, the tray icon, the Options dialog's window, the language editor,
// message boxes, the about box and help. Windows implements them with real windows; the
// simulated desktop records what the program asked of them.
#include <cstddef>
#include <memory>
#include <string_view>

#include "app/tray_menu.h"
#include "firstrun/tutorial_steps.h"
#include "options/options_dialog.h"
#include "options/options_links.h"
#include "platform/desktop.h"
#include "platform/message_box.h"
#include "popup/all_characters_screen.h"
#include "popup/popup_mouse.h"
#include "popup/popup_list.h"
#include "popup/popup_view.h"
#include "settings/running_settings.h"

namespace kz::app {

// What the about box tells.
struct AboutFacts {
    std::size_t languages = 0;   // languages in use (checked in the language list)
    std::size_t characters = 0;  // records of the character table
};

// The popup's window and the all-characters panel on it. The model is built on their
// views, so it comes after them and is attached once it exists.
class PopupWindows {
public:
    virtual ~PopupWindows() = default;
    virtual PopupView& view() = 0;
    virtual AllCharactersView& screenView() = 0;
    virtual const ScreenSource& screen() const = 0;
    // The windows draw from the model and report the mouse and the close to it.
    virtual void attach(PopupList& popup, AllCharacters& screen, PopupMouse& mouse) = 0;
};

class ProgramWindows {
public:
    virtual ~ProgramWindows() = default;

    // Creates the popup's windows, hidden.
    virtual std::unique_ptr<PopupWindows> createPopup() = 0;

    // The tray icon on the main window; its menu calls `actions`.
    virtual void addTrayIcon(platform::MainWindow& window, std::string_view tooltip, TrayActions& actions) = 0;
    virtual void removeTrayIcon() = 0;

    // The Options dialog's window, and its controls built on the main window (hidden).
    virtual options::OptionsView& optionsView() = 0;
    virtual void buildOptionsWindow(platform::MainWindow& window, options::OptionsDialog& dialog) = 0;
    // The language editor that the dialog's "Add Language" and "Edit Language" open.
    virtual options::LanguageEditor& languageEditor(const RunningSettings& settings) = 0;
    virtual platform::MessageBoxes& messageBoxes() = 0;

    virtual void showAbout(const AboutFacts& facts) = 0;
    // Opens the help file at "html\" followed by `topic`.
    virtual void showHelp(std::string_view topic) = 0;
    // Opens the tutorial window, or brings the open one forward. The window builds its
    // steps on `links` and stands in links.link while it is open.
    virtual void showTutorial(const TutorialWindowLinks& links) = 0;
    // Every window other than the main window and the popup goes (the exit sequence).
    virtual void unloadOtherWindows() = 0;
    // "/setup": the first-run language picker, the process's only window; the process
    // ends when it closes.
    virtual void showLanguagePicker() = 0;
};

}  // namespace kz::app
