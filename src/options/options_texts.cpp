#include "options/options_texts.h"

namespace kz::options {
namespace {

constexpr std::string_view kLanguagesKey = "HKEY_LOCAL_MACHINE\\Software\\Kelvra\\Zavora\\Languages";
constexpr std::string_view kSettingsKey = "HKEY_LOCAL_MACHINE\\Software\\Kelvra\\Zavora";

// Why a machine-wide value can be refused and what the user can do about it.
std::string Why(std::string_view what, std::string_view key, bool plural) {
    std::string text(what);
    text += plural ? " are" : " is";
    text += " kept for all users of this computer (";
    text += key;
    text += "), and Windows did not allow this user account to change ";
    text += plural ? "them" : "it";
    text += ". Ask an administrator, or run Kelvra Zavora as an administrator, and try again.";
    return text;
}

// "A", "A" and "B", "A", "B" and "C": each quoted.
template <typename Names>
std::string QuotedList(const Names& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
        text += '"';
        text += names[i];
        text += '"';
    }
    return text;
}

}  // namespace

std::string DeleteRefusedMessage(std::string_view languageName) {
    std::string text = "The language \"";
    text += languageName;
    text += "\" could not be deleted.\r\n\r\n";
    text += Why("Languages", kLanguagesKey, true);
    return text;
}

std::string ResetRefusedMessage(const std::vector<std::string>& languageNames) {
    std::string text = "Your changes to the language";
    text += languageNames.size() == 1 ? " " : "s ";
    text += QuotedList(languageNames);
    text += " could not be removed; everything else was reset.\r\n\r\n";
    text += Why("Languages", kLanguagesKey, true);
    return text;
}

std::string SettingsRefusedMessage(const std::vector<std::string_view>& settingNames) {
    const bool plural = settingNames.size() > 1;
    std::string text = plural ? "The settings " : "The setting ";
    text += QuotedList(settingNames);
    text += " could not be changed.\r\n\r\n";
    text += Why(plural ? "These settings" : "This setting", kSettingsKey, plural);
    text += "\r\n\r\nThe Advanced page shows the stored value again.";
    return text;
}

}  // namespace kz::options
