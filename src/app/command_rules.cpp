#include "app/command_rules.h"

#include "app/names.h"

namespace kz::app {

CommandAction DecideCommand(std::string_view caption, std::string_view text) {
    if (caption != kCaptionService && text == kCommandClose) return CommandAction::Exit;
    if (text == kCommandCloseAll) return CommandAction::Exit;
    if (text != kIdleCommandText) return CommandAction::ResetText;
    return CommandAction::Nothing;
}

}  // namespace kz::app
