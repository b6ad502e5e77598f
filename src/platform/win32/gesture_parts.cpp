#include "platform/win32/gesture_parts.h"

#include <string>

#include "charset/key_table_builder.h"

namespace kz::win32 {

GestureParts::GestureParts(GestureLinks links)
    : links_(std::move(links)), ansi_(MakeAnsiDecodeTable(links_.codePage)) {}

GestureParts::~GestureParts() { unloadPopup(); }

void GestureParts::loadLanguages() {
    const LanguageSources sources{links_.store, links_.codePage, keyboard_,
                                  links_.process.applicationFolder()};
    keyTable_ = BuildKeyTable(sources, characters_);
}

void GestureParts::loadPopupHidden() {
    if (popup_) return;
    window_ = std::make_unique<PopupWindow>(links_.instance);
    panel_ = std::make_unique<AllCharactersPanel>(links_.instance, *window_);
    view_ = std::make_unique<PopupViewRelay>(*window_, *panel_);
    ansiTable_ = std::make_unique<AnsiTable>(links_.codePage);
    PopupSeams seams;
    seams.ensureServiceRunning = links_.ensureServiceRunning;
    seams.letPendingEventsRun = [this] { links_.process.processPendingMessages(); };
    parts_ = std::make_unique<PopupParts>(PopupPartsLinks{
        .popup = PopupList::Links{.settings = links_.settings,
                                  .characters = characters_,
                                  .keyboard = keyboard_,
                                  .input = input_,
                                  .gesture = gesture_,
                                  .tutorial = tutorial_,
                                  .view = *view_,
                                  .screen = screen_,
                                  .seams = std::move(seams)},
        .store = screenStore_,
        .ansi = *ansiTable_,
        .loadData =
            [this] {
                return LoadAllCharactersData(screenStore_, links_.process.applicationFolder(),
                                             links_.codePage);
            },
        .screenView = *panel_,
        .hooks = hooks_,
        .clock = links_.clock,
        .registry = registry_,
        .windows = mouseWindows_});
    popup_ = &parts_->popup();
    PopupList* model = popup_;
    PopupMouse* mouse = &parts_->mouse();
    panel_->attach(parts_->screen(), *mouse);
    view_->setModeSource([model] { return model->mode(); });
    window_->setStateSource([model] { return model->drawState(); });
    window_->setCloseHandler([model] { model->hidePopup(); });
    window_->setMouseHandler([mouse](UINT message, WPARAM buttons, int x, int y) {
        mouse->onWindowMessage(message, static_cast<int>(buttons), x, y);
    });
    popup_->setWidth(0);
    window_->setTopmost();
}

void GestureParts::installKeyboardHook() {
    if (!popup_) loadPopupHidden();
    if (!handler_) {
        handler_ = std::make_unique<KeyHandler>(KeyHandler::Links{
            .keyboard = keyboard_,
            .input = input_,
            .clock = links_.clock,
            .settings = links_.settings,
            .keyTable = keyTable_,
            .popup = *popup_,
            .gesture = gesture_,
            .optionsOpen = links_.optionsOpen,
            .tutorial = tutorial_,
            .letPendingEventsRun = [this] { links_.process.processPendingMessages(); },
            .ansi = ansi_});
    }
    hooks_.installKeyboardHook(*handler_);
}

void GestureParts::removeKeyboardHook() { hooks_.removeKeyboardHook(); }

void GestureParts::makePopupTopmost() {
    if (window_) window_->setTopmost();
}

void GestureParts::unloadPopup() {
    hooks_.removeMouseHook();
    hooks_.removeKeyboardHook();
    handler_.reset();
    popup_ = nullptr;
    parts_.reset();
    view_.reset();
    panel_.reset();
    window_.reset();
}

}  // namespace kz::win32
