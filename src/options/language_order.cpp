#include "options/language_order.h"

#include "charset/language_lookup.h"
#include "charset/letter_case.h"

namespace kz::options {

std::string FormatLanguageOrder(const std::vector<LanguageRow>& rows) {
    std::string text;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) text += ';';
        if (!rows[i].checked) text += '!';
        text += rows[i].text;
    }
    return text;
}

std::vector<std::string_view> SplitOrderEntries(std::string_view text) {
    std::vector<std::string_view> entries;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(';', start);
        if (end == std::string_view::npos) end = text.size();
        if (end > start) entries.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return entries;
}

bool SameLanguageName(std::string_view a, std::string_view b) {
    return ToLowerText(a) == ToLowerText(b);
}

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
    return FindIgnoringCase(text, part) != std::string_view::npos;
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

}  // namespace kz::options
