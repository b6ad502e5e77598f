#pragma once
// `CommHwds`: the machine-wide list of the command boxes of running instances, as
// decimal window handles joined by ";". Every instance registers its own box and cleans
// the list; commands are broadcast to the boxes on it.
#include <string_view>

#include "platform/desktop.h"
#include "settings/settings_store.h"

namespace kz::app {

class CommandBoxes {
public:
    CommandBoxes(SettingsStore& store, platform::Desktop& desktop)
        : store_(store), desktop_(desktop) {}

    // Cleans the list, then appends `box`.
    void registerBox(platform::WindowHandle box);
    // Keeps only entries that name a live box of the program's text-box class holding the
    // idle text "Text1"; drops closed windows, foreign windows, busy boxes and non-numbers.
    void clean();
    // Cleans the list, then sends `command` by WM_SETTEXT to every box on it except `own`.
    void broadcast(std::string_view command, platform::WindowHandle own);

private:
    SettingsStore& store_;
    platform::Desktop& desktop_;
};

}  // namespace kz::app
