#pragma once
// The `Languages` text: language names in order, separated by ";", a disabled name
// preceded by "!". Language names compare without regard to letter case.
#include <string>
#include <string_view>
#include <vector>

#include "options/language_row.h"

namespace kz::options {

// The text the dialog's save writes: each row as "!" (when unchecked) plus its text,
// joined by ";" with no separator at either end.
std::string FormatLanguageOrder(const std::vector<LanguageRow>& rows);

// The non-empty entries of an order text (or of a list of names each followed by ";"),
// in order, "!" marks kept.
std::vector<std::string_view> SplitOrderEntries(std::string_view text);

// Letter case is ignored, for accented and non-Latin letters too.
bool SameLanguageName(std::string_view a, std::string_view b);
bool ContainsIgnoringCase(std::string_view text, std::string_view part);

// True when the text is empty or holds only blanks (space, tab, CR, LF): such a language
// body defines no language.
bool IsBlank(std::string_view text);

}  // namespace kz::options
