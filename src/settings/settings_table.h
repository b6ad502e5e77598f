#pragma once
// Every value the program keeps in the settings store, with its section, scope and
// default, in one place. Other modules read and write their own values through these
// definitions so that names and defaults cannot drift apart.
#include <string_view>

#include "platform/registry.h"

namespace kz::settings {

using platform::Scope;

struct Setting {
    std::string_view section;
    std::string_view name;
    Scope scope;
    std::string_view fallback;  // the default text
};

inline constexpr std::string_view kMainSection = "Zavora";
inline constexpr std::string_view kAllCharactersSection = "Zavora\\AllCharactersScreen";
inline constexpr std::string_view kLanguagesSection = "Zavora\\Languages";
inline constexpr std::string_view kInfoSection = "Zavora\\Info";

inline constexpr std::string_view kYes = "Yes";
inline constexpr std::string_view kNo = "No";

inline constexpr Setting kAutoStart{kMainSection, "AutoStart", Scope::PerUser, kYes};
inline constexpr Setting kTrigger{kMainSection, "Trigger", Scope::PerUser, "0"};
inline constexpr Setting kDisableKeys{kMainSection, "DisableKeys", Scope::MachineWide, ""};
inline constexpr Setting kDisableOtherKeys{kMainSection, "DisableOtherKeys", Scope::MachineWide, kNo};
inline constexpr Setting kShowNumbers{kMainSection, "ShowNumbers", Scope::PerUser, kYes};
inline constexpr Setting kRememberState{kAllCharactersSection, "RememberState", Scope::PerUser, kYes};
inline constexpr Setting kAutoInsert{kMainSection, "AutoInsert", Scope::PerUser, kNo};
inline constexpr Setting kDisplayUnicodeSymbol{kMainSection, "DisplayUnicodeSymbol", Scope::PerUser, kNo};
// The language list's default is built by the language set from the data files, so the
// caller supplies it; the definition carries none.
inline constexpr Setting kLanguages{kMainSection, "Languages", Scope::PerUser, ""};
// The language order chosen during installation, kept for every user of the machine: the
// installer may run in another account than the user who installs (see firstrun/
// installer_languages.h).
inline constexpr Setting kSetupLanguages{kMainSection, "SetupLanguages", Scope::MachineWide, ""};
inline constexpr Setting kOptionSel{kAllCharactersSection, "OptionSel", Scope::PerUser, "0"};
inline constexpr Setting kSelectedType{kAllCharactersSection, "List1Sel", Scope::PerUser, "0"};
inline constexpr Setting kSelectedLanguage{kAllCharactersSection, "List2Sel", Scope::PerUser, "0"};
inline constexpr Setting kCharSel{kAllCharactersSection, "CharSel", Scope::PerUser, "0"};
inline constexpr Setting kCommHwds{kMainSection, "CommHwds", Scope::MachineWide, ""};
inline constexpr Setting kTutorial{kInfoSection, "Tutorial", Scope::MachineWide, "0"};
// User languages: one value per language in this section, machine-wide, no default.
inline constexpr Scope kUserLanguagesScope = Scope::MachineWide;

}  // namespace kz::settings
