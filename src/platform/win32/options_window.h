#pragma once
// The Options dialog as the main window shows it: the tab control with its three pages and
// the buttons Help, OK, Cancel and Apply, built on the main window once at start-up and
// shown and hidden by the dialog's logic (options::OptionsDialog). The window's messages
// pass through this object first (a subclass of the main window); what it does not handle
// goes on to the main window's own procedure.
#include <windows.h>

#include <functional>
#include <memory>

#include "options/options_dialog.h"
#include "platform/win32/advanced_tab.h"
#include "platform/win32/control_layout.h"
#include "platform/win32/general_tab.h"
#include "platform/win32/languages_tab.h"
#include "platform/win32/window_subclass.h"

namespace kz::win32 {

class OptionsWindow final : public options::OptionsView {
public:
    explicit OptionsWindow(FontCache& fonts) : fonts_(fonts), controls_(fonts) {}
    ~OptionsWindow() override;
    OptionsWindow(const OptionsWindow&) = delete;
    OptionsWindow& operator=(const OptionsWindow&) = delete;

    // Creates the dialog's controls on `mainWindow` (hidden until showDialog).
    void build(HWND mainWindow, options::OptionsDialog& model);

    // options::LanguageListView
    platform::WindowHandle dialogWindow() const override;
    void rowsChanged() override;
    void focusList() override;
    void freezeDrawing(bool frozen) override;
    std::optional<std::size_t> rowNearTop() const override;
    std::optional<std::size_t> rowNearBottom() const override;
    void ensureVisible(std::size_t row) override;
    // options::OptionsView
    void showDialog() override;

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool onCommand(int id, int code);
    void onTabChanged();
    bool onDialogKey(const MSG& key);
    void onDpiChanged(int dpi, const RECT& suggested);
    void detach();

    // Sizes the window and places every control at `dpi`.
    void layout(int dpi);
    void centreOnPrimaryScreen();
    // Every control shows the model's values; the page of the selected tab is visible.
    void syncControls();
    void showSelectedPage();
    bool built() const { return main_ != nullptr && model_ != nullptr; }

    FontCache& fonts_;
    ControlLayout controls_;  // the tab control and the four buttons
    options::OptionsDialog* model_ = nullptr;
    HWND main_ = nullptr;
    HWND tab_ = nullptr;
    HWND apply_ = nullptr;
    std::unique_ptr<GeneralTab> general_;
    std::unique_ptr<LanguagesTab> languages_;
    std::unique_ptr<AdvancedTab> advanced_;
    int dpi_ = 96;
    WindowSubclass subclass_;  // the main window becomes the dialog
};

}  // namespace kz::win32
