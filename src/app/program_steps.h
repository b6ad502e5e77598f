#pragma once
// The steps of the program that the instance's start-up and exit sequence call but that
// other modules own: the language set, the popup, the keyboard hook, the tray icon, the Options
// dialog, the tutorial and the first-run picker. Each call must be harmless when there
// is nothing to do (removing a hook that is not installed, unloading an unloaded popup):
// the service instance runs the same exit sequence.
#include <string>
#include <string_view>

#include "platform/desktop.h"

namespace kz::app {

class ProgramSteps {
public:
    virtual ~ProgramSteps() = default;

    // Start-up load (interception instance).
    virtual void loadLanguages() = 0;
    virtual std::string expandKeyCodes(std::string_view text) = 0;  // ExpandKeyCodes
    virtual void loadPopupHidden() = 0;      // the popup loaded, width 0, visible, topmost
    virtual void installKeyboardHook() = 0;
    virtual void removeKeyboardHook() = 0;
    // Removes and installs the hook again when it is in: the system may have dropped it.
    virtual void reinstallKeyboardHook() = 0;

    // Tray icon on the main window, with its menu, and the tooltip.
    virtual void addTrayIcon(platform::MainWindow& window, std::string_view tooltip) = 0;
    virtual void removeTrayIcon() = 0;

    // Options dialog: opening it (its controls are built on the first opening).
    virtual void openOptions() = 0;

    // Popup: made topmost again when the Options dialog closes; unloaded for good on exit.
    virtual void makePopupTopmost() = 0;
    virtual void unloadPopup() = 0;

    virtual void showTutorial() = 0;   // the tutorial window, modeless
    virtual void showSetup() = 0;      // the first-run language picker
    // Unloads every form of the process other than the main window and the popup.
    virtual void unloadOtherForms() = 0;

    // The service's online duties, once per timer tick (the first tick at once).
    virtual void serviceTick(unsigned tickCount) = 0;
};

// Nothing to do for every step: a process that has none of these pieces (and the
// stand-in until a module supplies its piece). Key codes pass unexpanded.
class NoProgramSteps : public ProgramSteps {
public:
    void loadLanguages() override {}
    std::string expandKeyCodes(std::string_view text) override { return std::string(text); }
    void loadPopupHidden() override {}
    void installKeyboardHook() override {}
    void removeKeyboardHook() override {}
    void reinstallKeyboardHook() override {}
    void addTrayIcon(platform::MainWindow&, std::string_view) override {}
    void removeTrayIcon() override {}
    void openOptions() override {}
    void makePopupTopmost() override {}
    void unloadPopup() override {}
    void showTutorial() override {}
    void showSetup() override {}
    void unloadOtherForms() override {}
    void serviceTick(unsigned) override {}
};

}  // namespace kz::app
