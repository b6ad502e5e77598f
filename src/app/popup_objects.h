#pragma once
// The popup's model with the objects that serve it and need it in return: the
// all-characters screen, the popup's mouse handlers and the mouse hook's handler. They
// refer to one another, so they are built together, each taking the others by reference.
#include <functional>

#include "charset/ansi_table.h"
#include "input/mouse_handler.h"
#include "popup/all_characters_screen.h"
#include "popup/popup_list.h"
#include "popup/popup_mouse.h"

namespace kz::app {

class PopupObjects {
public:
    struct Links {
        PopupList::Links popup;  // its screen and mouse hook are filled in here
        SettingsStore& store;    // the screen's remembered state
        const AnsiTable& ansi;
        std::function<AllCharactersData()> loadData;
        std::function<void(std::function<void()>)> runLater;  // the screen's reading ahead
        AllCharactersView& screenView;
        platform::Hooks& hooks;
        const platform::Clock& clock;
        const platform::Registry& registry;  // the double-click settings
        platform::MouseWindows& windows;
    };

    explicit PopupObjects(Links links);
    PopupObjects(const PopupObjects&) = delete;
    PopupObjects& operator=(const PopupObjects&) = delete;

    PopupList& popup() { return popup_; }
    AllCharacters& screen() { return screen_; }
    PopupMouse& mouse() { return mouse_; }
    MouseHandler& mouseHandler() { return mouseHandler_; }

private:
    static PopupList::Links WithScreenAndHook(PopupList::Links links, AllCharacters& screen, MouseHandler& hook);

    // Declared before the popup they refer to; none uses it while being built.
    AllCharacters screen_;
    PopupMouse mouse_;
    MouseHandler mouseHandler_;
    PopupList popup_;
};

}  // namespace kz::app
