#pragma once
// The names of the user languages: the string values (plain or expandable) of the
// machine-wide key "Software\Kelvra\Zavora\Languages", in the store's enumeration order,
// each trimmed of blanks and put in proper case ("swiss german" -> "Swiss German") and
// followed by ";". Names that are empty after trimming or hold ";" are left out.
#include <string>

#include "platform/registry.h"

namespace kz {

std::string UserLanguageNames(const platform::Registry& registry);

}  // namespace kz
