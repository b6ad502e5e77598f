// zavora.exe: builds the platform objects, runs the start-up its command line asks for,
// then the message loop until no window of the program is left.
#include <windows.h>
#include <commctrl.h>

#include <optional>

#include "app/instance.h"
#include "app/instance_parts.h"
#include "charset/key_codes.h"
#include "platform/win32/clock.h"
#include "platform/win32/code_page.h"
#include "platform/win32/desktop.h"
#include "platform/win32/gesture_parts.h"
#include "platform/win32/language_editor.h"
#include "platform/win32/process.h"
#include "platform/win32/registry.h"
#include "platform/win32/shell_parts.h"
#include "settings/settings_store.h"

namespace {

// The pieces other modules will supply; until they do, each is an empty step. The key
// codes of the disable-keys text are expanded with the system code page already.
class ProgramParts final : public kz::app::NoInstanceParts {
public:
    std::string expandKeyCodes(std::string_view text) override {
        return kz::ExpandKeyCodes(text, codePage_);
    }

    // The gesture (languages, popup, key handler, hook) needs the instance's running
    // settings and options-open flag, so it is built once the instance exists.
    void attachGesture(HINSTANCE module, kz::app::Instance& program, kz::win32::Win32Desktop& desktop,
                       kz::win32::Win32Process& process, const kz::platform::Clock& clock,
                       const kz::SettingsStore& store) {
        gesture_.emplace(kz::win32::GestureLinks{
            .instance = module,
            .fonts = fonts_,
            .settings = program.runningSettings(),
            .optionsOpen = program.optionsOpenFlag(),
            .store = store,
            .codePage = codePage_,
            .clock = clock,
            .process = process,
            .ensureServiceRunning = [&desktop, &process] { kz::app::EnsureServiceRunning(desktop, process); }});
    }

    // The tray icon, the about box, help and the Options dialog, once the gesture exists.
    void attachShell(HINSTANCE module, kz::app::Instance& program, kz::win32::Win32Process& process,
                     kz::SettingsStore& store) {
        shell_.emplace(kz::win32::ShellLinks{.instance = module,
                                             .fonts = fonts_,
                                             .program = program,
                                             .store = store,
                                             .codePage = codePage_,
                                             .applicationFolder = process.applicationFolder(),
                                             .gesture = gesture_ ? &*gesture_ : nullptr});
        editor_.emplace(kz::win32::LanguageEditorLinks{
            .instance = module,
            .fonts = fonts_,
            .store = store,
            .codePage = codePage_,
            .applicationFolder = process.applicationFolder(),
            .settings = program.runningSettings(),
            .owner = [&program]() -> HWND {
                kz::platform::MainWindow* window = program.mainWindow();
                return window != nullptr ? reinterpret_cast<HWND>(window->handle()) : nullptr;
            }});
        shell_->languageEditor().plug(&*editor_);
    }
    void addTrayIcon(kz::platform::MainWindow& window, std::string_view tooltip) override {
        if (shell_) shell_->addTrayIcon(window, tooltip);
    }
    void removeTrayIcon() override {
        if (shell_) shell_->removeTrayIcon();
    }
    void prepareOptionsLayout(kz::platform::MainWindow& window) override {
        if (shell_) shell_->prepareOptionsLayout(window);
    }
    void openOptions() override {
        if (shell_) shell_->openOptions();
    }
    void unloadOtherForms() override {
        if (shell_) shell_->unloadOtherForms();
    }

    void loadLanguages() override {
        if (gesture_) gesture_->loadLanguages();
    }
    void loadPopupHidden() override {
        if (gesture_) gesture_->loadPopupHidden();
    }
    void installKeyboardHook() override {
        if (gesture_) gesture_->installKeyboardHook();
    }
    void removeKeyboardHook() override {
        if (gesture_) gesture_->removeKeyboardHook();
    }
    void makePopupTopmost() override {
        if (gesture_) gesture_->makePopupTopmost();
    }
    void unloadPopup() override {
        if (gesture_) gesture_->unloadPopup();
    }

private:
    kz::win32::SystemCodePage codePage_;
    // Every font of the run, for every window; it outlives them all.
    kz::win32::FontCache fonts_;
    std::optional<kz::win32::GestureParts> gesture_;
    std::optional<kz::win32::Win32LanguageEditor> editor_;  // "Add Language" and "Edit Language"
    std::optional<kz::win32::ShellParts> shell_;  // after the gesture: it uses it
};

void InitControlClasses() {
    INITCOMMONCONTROLSEX init{};
    init.dwSize = sizeof init;
    init.dwICC = ICC_USEREX_CLASSES;
    InitCommonControlsEx(&init);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    InitControlClasses();
    kz::win32::Win32Registry registry;
    kz::win32::Win32Clock clock;
    kz::win32::Win32Process process;
    kz::win32::Win32Desktop desktop(instance);
    kz::SettingsStore store(registry);
    ProgramParts parts;
    kz::app::Instance program({desktop, process, clock, store}, parts);
    parts.attachGesture(instance, program, desktop, process, clock, store);
    parts.attachShell(instance, program, process, store);
    program.start();
    return kz::win32::RunMessageLoop();
}
