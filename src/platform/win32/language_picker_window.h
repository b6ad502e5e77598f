#pragma once
// The first-run language picker's window: a page in the installer's style (a white
// heading band, the language list with its move buttons, "< Back", "Next >" and "Cancel"
// along the bottom) that lies over the installer's wizard window while the user chooses.
// It is the only window of a "/setup" process; the process ends when it closes.
#include <windows.h>

#include <optional>
#include <string>

#include "firstrun/language_picker.h"
#include "platform/code_page.h"
#include "platform/win32/control_layout.h"
#include "platform/win32/font_cache.h"
#include "platform/win32/language_list_view.h"
#include "platform/win32/message_box.h"
#include "platform/win32/other_windows.h"
#include "settings/settings_store.h"

namespace kz::win32 {

struct LanguagePickerLinks {
    HINSTANCE instance = nullptr;
    SettingsStore& store;
    const platform::CodePage& codePage;
    std::string applicationFolder;  // UTF-8, with the data files
};

class LanguagePickerWindow final : private options::LanguageListView {
public:
    // Finds the wizard, opens the picker over it (centred on the primary screen when
    // there is none) and hides the wizard.
    explicit LanguagePickerWindow(const LanguagePickerLinks& links);
    ~LanguagePickerWindow() override;
    LanguagePickerWindow(const LanguagePickerWindow&) = delete;
    LanguagePickerWindow& operator=(const LanguagePickerWindow&) = delete;

private:
    // options::LanguageListView: what the shared language list asks of its window.
    platform::WindowHandle dialogWindow() const override;
    void rowsChanged() override;
    void focusList() override;
    void freezeDrawing(bool frozen) override;
    std::optional<std::size_t> rowNearTop() const override;
    std::optional<std::size_t> rowNearBottom() const override;
    void ensureVisible(std::size_t row) override;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void create(std::optional<platform::Point> topLeft);
    void createControls();
    void layout(int dpi);
    void onCommand(int id);
    LRESULT headingColours(HDC dc, HWND control);
    void paintBackground(HDC dc);

    HINSTANCE instance_;
    FontCache fonts_;
    SystemMessageBoxes messageBoxes_;
    Win32OtherWindows otherWindows_;
    firstrun::LanguagePicker model_;
    ControlLayout controls_;
    std::optional<win32::LanguageListView> list_;
    HWND window_ = nullptr;
    HWND heading_ = nullptr;
    HWND subheading_ = nullptr;
    HWND icon_ = nullptr;
    int dpi_ = 96;
};

}  // namespace kz::win32
