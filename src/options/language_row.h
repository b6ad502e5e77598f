#pragma once
// One row of the language list: a language name, whether it is used (the row's check
// box), whether the built-in data knows it (tag "default"; empty for a language that
// exists only as a user language), and whether the row is selected.
#include <string>
#include <string_view>

namespace kz::options {

inline constexpr std::string_view kBuiltInTag = "default";

struct LanguageRow {
    std::string text;
    bool checked = true;
    std::string tag;
    bool selected = false;

    bool isUserLanguage() const { return tag.empty(); }
    bool operator==(const LanguageRow&) const = default;
};

}  // namespace kz::options
