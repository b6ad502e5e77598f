#pragma once
// The program's message boxes through MessageBoxW.
#include "platform/message_box.h"

namespace kz::win32 {

class SystemMessageBoxes final : public platform::MessageBoxes {
public:
    bool askYesNo(platform::WindowHandle owner, std::string_view title,
                  std::string_view text) override;
    void inform(platform::WindowHandle owner, std::string_view title,
                std::string_view text) override;
};

}  // namespace kz::win32
