#include "platform/win32/popup_parts.h"

namespace kz::win32 {

PopupParts::PopupParts(PopupPartsLinks links)
    : screen_(AllCharacters::Links{.store = links.store,
                                   .settings = links.popup.settings,
                                   .characters = links.popup.characters,
                                   .ansi = links.ansi,
                                   .loadData = std::move(links.loadData),
                                   .popup = popup_,
                                   .view = links.screenView}),
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
      popup_(WithSeams(std::move(links.popup), screen_, mouseHandler_)) {}

PopupList::Links PopupParts::WithSeams(PopupList::Links links, AllCharacters& screen, MouseHandler& hook) {
    links.seams.allCharacters = &screen;
    links.seams.mouseHook = &hook;
    return links;
}

}  // namespace kz::win32
