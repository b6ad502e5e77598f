#pragma once
// The texts of the Options dialog that its logic needs: the trigger entries, the
// questions of the language list and the messages about changes the store refused.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kz::options {

inline constexpr std::string_view kProgramTitle = "Kelvra Zavora";

// The trigger list: the position of an entry is the trigger number stored in `Trigger`.
inline constexpr std::array<std::string_view, 17> kTriggerEntries{
    "Alt Gr (Right Alt)", "Ctrl + Alt", "F10",        "F11",        "F12",
    "Ctrl + F1",          "Ctrl + F2",  "Ctrl + F3",  "Ctrl + F4",  "Ctrl + F5",
    "Ctrl + F6",          "Ctrl + F7",  "Ctrl + F8",  "Ctrl + F9",  "Ctrl + F10",
    "Ctrl + F11",         "Ctrl + F12",
};

inline constexpr std::string_view kResetQuestion =
    "Are you sure you want to reset your language settings?";

inline std::string DeleteQuestion(std::string_view languageName) {
    std::string text = "Are you sure you want to delete the language \"";
    text += languageName;
    text += "\"?";
    return text;
}

// Shown when the store kept a value the dialog wrote or deleted. On Windows a standard
// user may not change machine-wide values, and such a write may even be dropped without
// an error, so the dialog reads each one back.
std::string DeleteRefusedMessage(std::string_view languageName);
std::string ResetRefusedMessage(const std::vector<std::string>& languageNames);
// `settingNames`: the captions of the settings that kept their stored value.
std::string SettingsRefusedMessage(const std::vector<std::string_view>& settingNames);

// The Advanced page's settings as the refusal message names them.
inline constexpr std::string_view kDisableKeysName = "Disable Zavora on these keys";
inline constexpr std::string_view kDisableOtherKeysName =
    "Don't intercept keystroke when there are no characters associated with a key";

}  // namespace kz::options
