#pragma once
// The two message boxes the program shows: a question answered with "Yes" or "No"
// (question icon) and a message acknowledged with "OK" (information icon). The caller
// supplies the title ("Kelvra Zavora" everywhere today) and the owner window, so the box
// is modal to that window. Texts are UTF-8.
#include <string_view>

#include "platform/handles.h"

namespace kz::platform {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Blocks until the user answers; true for "Yes". Closing the box any other way
    // counts as "No", so a question never acts unless the user agreed.
    virtual bool askYesNo(WindowHandle owner, std::string_view title, std::string_view text) = 0;
    virtual void inform(WindowHandle owner, std::string_view title, std::string_view text) = 0;
};

}  // namespace kz::platform
