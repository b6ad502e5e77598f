#include "editor/editor_texts.h"

namespace kz::editor {
namespace {

// Why a machine-wide value can be refused and what the user can do about it; the same
// for a save and for a reset.
constexpr std::string_view kWhy =
    "Languages are kept for all users of this computer "
    "(HKEY_LOCAL_MACHINE\\Software\\Kelvra\\Zavora\\Languages), and Windows did not allow "
    "this user account to change them. Ask an administrator, or run Kelvra Zavora as an "
    "administrator, and try again.";

}  // namespace

std::string SaveRefusedMessage(std::string_view languageName) {
    std::string text = "The language \"";
    text += languageName;
    text += "\" could not be saved.\r\n\r\n";
    text += kWhy;
    text += "\r\n\r\nYour changes are still in the editor.";
    return text;
}

std::string ResetRefusedMessage(std::string_view languageName) {
    std::string text = "The changes to the language \"";
    text += languageName;
    text += "\" could not be removed.\r\n\r\n";
    text += kWhy;
    return text;
}

}  // namespace kz::editor
