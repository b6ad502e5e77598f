#pragma once
// Finding a language's body by name. A user language (a machine-wide value of section
// "Zavora\Languages" named like the language) comes first; otherwise the record in the
// text of data.dat: the record whose whole name, letter case ignored, starts a line and is
// directly followed by "{"; its body runs to the next "}". Bodies come back with every
// ";;" turned into CR LF. Empty text means no such language; callers treat a blank body
// the same way.
#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace kz {

// The built-in body of `name` in `dataText` (the whole of data.dat), or empty text.
std::string FindBuiltInLanguage(std::string_view name, std::string_view dataText);

// The stored body of the user language `name` (";;" kept), or empty text.
std::string ReadUserLanguage(const SettingsStore& store, std::string_view name);

// Unless `builtInOnly`, a non-empty user value wins over the built-in record.
std::string LookupLanguage(const SettingsStore& store, std::string_view name,
                           std::string_view dataText, bool builtInOnly);

// Where `name` first occurs in `text`, letter case ignored (byte offset), or npos.
std::size_t FindIgnoringCase(std::string_view text, std::string_view name);

}  // namespace kz
