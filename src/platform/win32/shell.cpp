#include "platform/win32/shell.h"

#include "platform/win32/popup_windows.h"
#include "platform/win32/wide_text.h"

namespace kz::win32 {

Win32ProgramWindows::Win32ProgramWindows(Links links)
    : links_(std::move(links)),
      help_(links_.applicationFolder),
      about_(links_.instance, fonts_, [this] { return facts_; }),
      optionsWindow_(fonts_) {}

Win32ProgramWindows::~Win32ProgramWindows() = default;

std::unique_ptr<app::PopupWindows> Win32ProgramWindows::createPopup() {
    return std::make_unique<Win32PopupWindows>(links_.instance, fonts_);
}

void Win32ProgramWindows::addTrayIcon(platform::MainWindow& window, std::string_view tooltip,
                                      app::TrayActions& actions) {
    if (!tray_) tray_.emplace(links_.instance, actions);
    tray_->add(reinterpret_cast<HWND>(window.handle()), Widen(tooltip));
}

void Win32ProgramWindows::removeTrayIcon() {
    if (tray_) tray_->remove();
}

void Win32ProgramWindows::buildOptionsWindow(platform::MainWindow& window, options::OptionsDialog& dialog) {
    optionsOwner_ = reinterpret_cast<HWND>(window.handle());
    optionsWindow_.build(optionsOwner_, dialog);
}

options::LanguageEditor& Win32ProgramWindows::languageEditor(const RunningSettings& settings) {
    if (!editor_) {
        editor_.emplace(LanguageEditorLinks{.instance = links_.instance,
                                            .fonts = fonts_,
                                            .store = links_.store,
                                            .codePage = links_.codePage,
                                            .applicationFolder = links_.applicationFolder,
                                            .settings = settings,
                                            .owner = [this] { return optionsOwner_; }});
    }
    return *editor_;
}

void Win32ProgramWindows::showTutorial(const TutorialWindowLinks& links) {
    if (!tutorial_) tutorial_.emplace(links_.instance, fonts_, links);
    tutorial_->open();
}

void Win32ProgramWindows::unloadOtherWindows() {
    about_.unload();
    if (tutorial_) tutorial_->close();
}

void Win32ProgramWindows::showLanguagePicker() {
    picker_.emplace(LanguagePickerLinks{.instance = links_.instance,
                                        .store = links_.store,
                                        .codePage = links_.codePage,
                                        .applicationFolder = links_.applicationFolder});
}

void Win32ProgramWindows::showAbout(const app::AboutFacts& facts) {
    facts_ = facts;
    about_.show();
}

}  // namespace kz::win32
