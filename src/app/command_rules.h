#pragma once
// What the command box's change handler does with the text that arrived.
#include <string_view>

namespace kz::app {

enum class CommandAction {
    Exit,       // set the tag "unload" and unload the main window
    ResetText,  // put the idle text "Text1" back
    Nothing,
};

// "close" ends every instance but the service, "closeall" ends every instance; any other
// text is wiped. Exact, case-sensitive comparisons.
CommandAction DecideCommand(std::string_view caption, std::string_view text);

}  // namespace kz::app
