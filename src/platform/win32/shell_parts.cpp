#include "platform/win32/shell_parts.h"

#include <algorithm>

#include "charset/language_order.h"
#include "options/language_list_reload.h"
#include "options/language_order.h"
#include "platform/win32/wide_text.h"

namespace kz::win32 {

// The hooks as the Options dialog switches them: through the gesture parts that own them.
class ShellParts::GestureHooks final : public platform::Hooks {
public:
    explicit GestureHooks(GestureParts* gesture) : gesture_(gesture) {}
    bool installKeyboardHook(platform::KeyEventSink&) override {
        if (gesture_ != nullptr) gesture_->installKeyboardHook();
        keyboard_ = gesture_ != nullptr;
        return keyboard_;
    }
    void removeKeyboardHook() override {
        if (gesture_ != nullptr) gesture_->removeKeyboardHook();
        keyboard_ = false;
    }
    bool keyboardHookInstalled() const override { return keyboard_; }
    // The mouse hook is installed by the popup itself, never by the dialog.
    bool installMouseHook(platform::MouseEventSink&) override { return false; }
    void removeMouseHook() override {
        if (gesture_ != nullptr) gesture_->removeMouseHook();
    }
    bool mouseHookInstalled() const override { return false; }

private:
    GestureParts* gesture_;
    bool keyboard_ = true;  // the start-up installed it
};

ShellParts::ShellParts(ShellLinks links)
    : links_(std::move(links)),
      help_(links_.applicationFolder),
      tray_(links_.instance, *this),
      about_(links_.instance, fonts_, [this] { return aboutFacts(); }),
      hooks_(std::make_unique<GestureHooks>(links_.gesture)),
      optionsWindow_(fonts_) {}

ShellParts::~ShellParts() = default;

options::DataFolder ShellParts::dataFolder() const {
    return options::DataFolder{links_.applicationFolder, links_.codePage};
}

void ShellParts::addTrayIcon(platform::MainWindow& window, std::string_view tooltip) {
    tray_.add(reinterpret_cast<HWND>(window.handle()), Widen(tooltip));
}

void ShellParts::removeTrayIcon() { tray_.remove(); }

void ShellParts::prepareOptionsLayout(platform::MainWindow& window) {
    if (dialog_) return;
    dialog_ = std::make_unique<options::OptionsDialog>(options::OptionsDialogServices{
        .store = links_.store,
        .running = links_.program.runningSettings(),
        .hooks = *hooks_,
        .messageBoxes = messageBoxes_,
        .host = *this,
        .view = optionsWindow_,
        .dataFolder = dataFolder(),
        .editor = editor_});
    optionsWindow_.build(reinterpret_cast<HWND>(window.handle()), *dialog_);
}

void ShellParts::openOptions() {
    if (dialog_) dialog_->menu_options_Click();
}

void ShellParts::unloadOtherForms() { about_.unload(); }

void ShellParts::showTutorial() {
    // The tutorial window is not part of the program yet: the item opens nothing.
}

void ShellParts::showAbout() { about_.show(); }

void ShellParts::showHelp(std::string_view topic) { help_.show(topic); }

void ShellParts::exitProgram() { links_.program.exitProgram(); }

void ShellParts::setOptionsOpen(bool open) { links_.program.setOptionsOpen(open); }

void ShellParts::closeOptions() { links_.program.unloadMainWindow(); }

void ShellParts::savePopupState() {
    if (links_.gesture != nullptr) links_.gesture->savePopupState();
}

void ShellParts::makePopupTopmost() {
    if (links_.gesture != nullptr) links_.gesture->makePopupTopmost();
}

void ShellParts::rebuildKeyTable() {
    if (links_.gesture != nullptr) links_.gesture->loadLanguages();
}

void ShellParts::clearRecentFunctionKey() {
    if (links_.gesture != nullptr) links_.gesture->settingsSaved();
}

AboutFacts ShellParts::aboutFacts() {
    AboutFacts facts;
    // The languages the key table is built from: the enabled names of the stored order
    // that are languages (the list's rows are exactly the names with a body).
    const options::DataFolder data = dataFolder();
    const auto rows = options::BuildLanguageRows(links_.store, data, false);
    const auto order = ParseLanguageOrder(ReadLanguageOrder(links_.store, data.folder, data.codePage));
    facts.languages = static_cast<std::size_t>(std::ranges::count_if(rows, [&order](const options::LanguageRow& row) {
        const auto entry = std::ranges::find_if(order, [&row](const LanguageOrderEntry& e) {
            return options::SameLanguageName(e.name, row.text);
        });
        return entry != order.end() && entry->enabled;
    }));
    if (links_.gesture != nullptr) facts.characters = links_.gesture->characters().size();
    return facts;
}

}  // namespace kz::win32
