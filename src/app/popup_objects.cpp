#include "app/popup_objects.h"

namespace kz::app {

PopupObjects::PopupObjects(Links links)
    : screen_(AllCharacters::Links{.store = links.store,
                                   .settings = links.popup.settings,
                                   .characters = links.popup.characters,
                                   .ansi = links.ansi,
                                   .loadData = std::move(links.loadData),
                                   .popup = popup_,
                                   .view = links.screenView,
                                   .runLater = std::move(links.runLater)}),
      mouse_(popup_, &screen_),
      mouseHandler_(MouseHandler::Links{.hooks = links.hooks,
                                        .keyboard = links.popup.keyboard,
                                        .clock = links.clock,
                                        .registry = links.registry,
                                        .windows = links.windows,
                                        .input = links.popup.input,
                                        .tutorial = links.popup.tutorial,
                                        .popup = popup_,
                                        .popupMouse = mouse_,
                                        .screen = &screen_}),
      popup_(WithScreenAndHook(std::move(links.popup), screen_, mouseHandler_)) {}

PopupList::Links PopupObjects::WithScreenAndHook(PopupList::Links links, AllCharacters& screen, MouseHandler& hook) {
    links.allCharacters = &screen;
    links.mouseHook = &hook;
    return links;
}

}  // namespace kz::app
