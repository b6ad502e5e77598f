#pragma once
// Message boxes for tests: questions are answered from a queue the test fills, and every
// box shown is recorded with its kind, owner, title and text.
#include <deque>
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace kz::sim {

struct ShownMessageBox {
    enum class Kind { Question, Information };
    Kind kind = Kind::Information;
    platform::WindowHandle owner = 0;
    std::string title;
    std::string text;
};

class ScriptedMessageBoxes final : public platform::MessageBoxes {
public:
    // The answers of the next questions, in order. A question asked with the queue empty
    // is answered "No", the answer of a user who closes the box.
    void queueAnswer(bool yes) { answers_.push_back(yes); }
    std::size_t pendingAnswers() const { return answers_.size(); }
    const std::vector<ShownMessageBox>& shown() const { return shown_; }

    bool askYesNo(platform::WindowHandle owner, std::string_view title,
                  std::string_view text) override;
    void inform(platform::WindowHandle owner, std::string_view title,
                std::string_view text) override;

private:
    std::deque<bool> answers_;
    std::vector<ShownMessageBox> shown_;
};

}  // namespace kz::sim
