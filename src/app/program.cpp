#include "app/program.h"

#include <algorithm>
#include <string>

#include "charset/key_codes.h"
#include "charset/key_table_builder.h"
#include "charset/language_order.h"
#include "options/language_list_reload.h"
#include "options/language_order.h"
#include "platform/file_bytes.h"

namespace kz::app {

// The hooks as the Options dialog switches them: the keyboard hook goes back in with the
// program's key handler; the mouse hook is the popup's own, which the dialog only removes.
class Program::DialogHooks final : public platform::Hooks {
public:
    explicit DialogHooks(Program& program) : program_(program) {}
    bool installKeyboardHook(platform::KeyEventSink&) override {
        program_.installKeyboardHook();
        return true;
    }
    void removeKeyboardHook() override { program_.removeKeyboardHook(); }
    bool keyboardHookInstalled() const override { return program_.links_.hooks.keyboardHookInstalled(); }
    bool installMouseHook(platform::MouseEventSink&) override { return false; }
    void removeMouseHook() override { program_.links_.hooks.removeMouseHook(); }
    bool mouseHookInstalled() const override { return false; }

private:
    Program& program_;
};

Program::Program(Links links)
    : links_(links),
      instance_({links.desktop, links.process, links.clock, links.store}, *this),
      ansi_(MakeAnsiDecodeTable(links.codePage)),
      lower_(MakeLowerCaseTable(links.codePage)),
      ansiTable_(links.codePage),
      dialogHooks_(std::make_unique<DialogHooks>(*this)) {}

Program::~Program() { unloadPopup(); }

void Program::loadLanguages() {
    const LanguageSources sources{links_.store, links_.codePage, links_.keyboard,
                                  links_.process.applicationFolder()};
    keyTable_ = BuildKeyTable(sources, characters_);
    if (popup_) popup_->screen().prepare();  // its search index is of the old table
}

std::string Program::expandKeyCodes(std::string_view text) { return ExpandKeyCodes(text, links_.codePage); }

void Program::loadPopupHidden() {
    if (popup_) return;
    popupWindows_ = links_.windows.createPopup();
    popup_ = std::make_unique<PopupObjects>(PopupObjects::Links{
        .popup = PopupList::Links{.settings = instance_.runningSettings(),
                                  .characters = characters_,
                                  .keyboard = links_.keyboard,
                                  .codePage = links_.codePage,
                                  .input = links_.input,
                                  .gesture = gesture_,
                                  .tutorial = tutorial_,
                                  .view = popupWindows_->view(),
                                  .screen = popupWindows_->screen(),
                                  // The viewer opens windows and loads its library: never
                                  // inside the keyboard hook, which must answer at once.
                                  .showHelp =
                                      [this](std::string_view topic) {
                                          links_.process.post([this, t = std::string(topic)] { showHelp(t); });
                                      },
                                  .ensureServiceRunning = [this] { checkServiceLater(); },
                                  .letPendingEventsRun = [this] { links_.process.processPendingMessages(); }},
        .store = links_.store,
        .ansi = ansiTable_,
        .loadData =
            [this] {
                return LoadAllCharactersData(links_.store, links_.process.applicationFolder(),
                                             links_.codePage);
            },
        .runLater = [this](std::function<void()> work) { runAtNextMessagePass(std::move(work)); },
        .screenView = popupWindows_->screenView(),
        .hooks = links_.hooks,
        .clock = links_.clock,
        .registry = links_.registry,
        .windows = links_.mouseWindows});
    popupWindows_->attach(popup_->popup(), popup_->screen(), popup_->mouse());
    popup_->popup().setWidth(0);
    popupWindows_->view().setTopmost();
    popup_->screen().prepare();  // the first opening reads nothing inside the hook
}

// Work that must not run inside the keyboard hook's callback. Dropped when the main window
// has gone: the program is ending.
void Program::runAtNextMessagePass(std::function<void()> work) {
    platform::MainWindow* window = instance_.mainWindow();
    if (window != nullptr && window->handle() != 0) window->runLater(std::move(work));
}

// The popup asks for the service check while it opens, inside the keyboard hook's
// callback; starting a process there could outlast the time the system gives the hook,
// so the check runs at the next message pass instead.
void Program::checkServiceLater() {
    platform::MainWindow* window = instance_.mainWindow();
    if (window == nullptr || window->handle() == 0) {
        return EnsureServiceRunning(links_.desktop, links_.process);  // no message loop yet
    }
    if (serviceCheckPending_) return;
    serviceCheckPending_ = true;
    runAtNextMessagePass([this] {
        serviceCheckPending_ = false;
        EnsureServiceRunning(links_.desktop, links_.process);
    });
}

void Program::installKeyboardHook() {
    if (!popup_) loadPopupHidden();
    if (!handler_) {
        handler_ = std::make_unique<KeyHandler>(KeyHandler::Links{
            .keyboard = links_.keyboard,
            .input = links_.input,
            .clock = links_.clock,
            .settings = instance_.runningSettings(),
            .keyTable = keyTable_,
            .popup = popup_->popup(),
            .gesture = gesture_,
            .optionsOpen = instance_.optionsOpenFlag(),
            .tutorial = tutorial_,
            .ansi = ansi_,
            .lower = lower_});
    }
    links_.hooks.installKeyboardHook(*handler_);
}

void Program::removeKeyboardHook() { links_.hooks.removeKeyboardHook(); }

void Program::reinstallKeyboardHook() {
    // A shown popup was opened by a hook event just now: that hook works.
    if (!handler_ || !links_.hooks.keyboardHookInstalled() || (popup_ && popup_->popup().shown())) return;
    links_.hooks.removeKeyboardHook();
    links_.hooks.installKeyboardHook(*handler_);
}

void Program::makePopupTopmost() {
    if (popupWindows_) popupWindows_->view().setTopmost();
}

void Program::unloadPopup() {
    links_.hooks.removeMouseHook();
    links_.hooks.removeKeyboardHook();
    handler_.reset();
    popup_.reset();
    popupWindows_.reset();
}

void Program::addTrayIcon(platform::MainWindow& window, std::string_view tooltip) {
    links_.windows.addTrayIcon(window, tooltip, *this);
}

void Program::removeTrayIcon() { links_.windows.removeTrayIcon(); }

void Program::openOptions() {
    platform::MainWindow* window = instance_.mainWindow();
    if (!dialog_ && window) buildOptions(*window);
    if (dialog_) dialog_->open();
}

void Program::buildOptions(platform::MainWindow& window) {
    dialog_ = std::make_unique<options::OptionsDialog>(options::OptionsDialogLinks{
        .store = links_.store,
        .running = instance_.runningSettings(),
        .hooks = *dialogHooks_,
        .messageBoxes = links_.windows.messageBoxes(),
        .program = *this,
        .view = links_.windows.optionsView(),
        .dataFolder = dataFolder(),
        .editor = links_.windows.languageEditor(instance_.runningSettings())});
    links_.windows.buildOptionsWindow(window, *dialog_);
}

void Program::unloadOtherForms() { links_.windows.unloadOtherWindows(); }

void Program::showTutorial() {
    // From the message loop: at start-up the instance has just registered its command box,
    // and the service, started a moment before, asks that box for its text; building and
    // activating a window first would keep the instance from answering.
    links_.process.post([this] { openTutorialWindow(); });
}

void Program::openTutorialWindow() {
    links_.windows.showTutorial(TutorialWindowLinks{
        .store = links_.store,
        .link = tutorial_,
        .popup = [this] { return popupOutline(); },
        .showHelp = [this](std::string_view topic) { links_.windows.showHelp(topic); }});
}

PopupOutline Program::popupOutline() const {
    if (!popup_) return {};
    const PopupList& popup = popup_->popup();
    const PopupBounds& b = popup.bounds();
    return PopupOutline{.keyPopup = popup.mode() == 1,
                        .bounds = {b.leftTwips, b.topTwips, b.widthTwips, b.heightTwips}};
}

void Program::showAbout() { links_.windows.showAbout(aboutFacts()); }

void Program::showHelp(std::string_view topic) { links_.windows.showHelp(topic); }

void Program::exitProgram() { instance_.exitProgram(); }

void Program::setOptionsOpen(bool open) { instance_.setOptionsOpen(open); }

void Program::closeOptions() { instance_.unloadMainWindow(); }

bool Program::programEnding() const { return instance_.ending(); }

// The dialog keeps the all-characters state and lets the mouse go before it opens.
void Program::savePopupState() {
    if (popup_) popup_->popup().closeMouseHook();
}

void Program::rebuildKeyTable() { loadLanguages(); }

// A save forgets a recent function key, so a new trigger starts from rest.
void Program::clearRecentFunctionKey() {
    if (handler_) handler_->settingsSaved();
}

options::DataFolder Program::dataFolder() const {
    return options::DataFolder{links_.process.applicationFolder(), links_.codePage};
}

AboutFacts Program::aboutFacts() {
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
    facts.characters = characters_.size();
    return facts;
}

}  // namespace kz::app
