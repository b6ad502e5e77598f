#include "platform/sim/message_box.h"

namespace kz::sim {

bool ScriptedMessageBoxes::askYesNo(platform::WindowHandle owner, std::string_view title,
                                    std::string_view text) {
    shown_.push_back({ShownMessageBox::Kind::Question, owner, std::string(title),
                      std::string(text)});
    if (answers_.empty()) return false;
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

void ScriptedMessageBoxes::inform(platform::WindowHandle owner, std::string_view title,
                                  std::string_view text) {
    shown_.push_back({ShownMessageBox::Kind::Information, owner, std::string(title),
                      std::string(text)});
}

}  // namespace kz::sim
