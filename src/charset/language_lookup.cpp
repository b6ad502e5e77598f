#include "charset/language_lookup.h"

#include <vector>

#include "charset/letter_case.h"
#include "charset/utf8.h"
#include "settings/settings_table.h"

namespace kz {
namespace {

std::string LinesWithCrLf(std::string_view body) {
    std::string out;
    out.reserve(body.size());
    for (std::size_t pos = 0; pos < body.size();) {
        if (body.compare(pos, 2, ";;") == 0) {
            out += "\r\n";
            pos += 2;
        } else {
            out += body[pos++];
        }
    }
    return out;
}

char32_t FoldedAt(std::string_view text, std::size_t& pos) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (byte < 0x80) {
        ++pos;
        return byte >= 'A' && byte <= 'Z' ? byte + 32 : byte;
    }
    return ToLowerChar(utf8::Decode(text, pos));
}

std::vector<char32_t> Folded(std::string_view name) {
    std::vector<char32_t> folded;
    for (std::size_t pos = 0; pos < name.size();) folded.push_back(FoldedAt(name, pos));
    return folded;
}

// Where a match of `folded` that starts at `pos` ends in `text`, or npos when none starts
// there. Upper and lower case may differ in length, so the end is found by walking.
std::size_t MatchEnd(std::string_view text, std::size_t pos, const std::vector<char32_t>& folded) {
    for (char32_t wanted : folded) {
        if (pos >= text.size() || FoldedAt(text, pos) != wanted) return std::string_view::npos;
    }
    return pos;
}

// The "{" of the record named `name`: the name at the start of a line, directly followed
// by "{", letter case ignored. This is deliberately stricter than looking for the name
// anywhere in the file, which is what finding a record used to mean: with that search a
// user language called "Man" found German's record and "Sami" Inari Sami's, so the
// user's language counted as shipped, could not be deleted, Reset Language loaded the
// other language and saving it claimed that the name was taken.
std::size_t FindRecordBrace(std::string_view dataText, std::string_view name) {
    const std::vector<char32_t> folded = Folded(name);
    for (std::size_t line = 0; line < dataText.size();) {
        const std::size_t end = MatchEnd(dataText, line, folded);
        if (end < dataText.size() && dataText[end] == '{') return end;
        line = dataText.find_first_of("\r\n", line);
        if (line == std::string_view::npos) break;
        ++line;
    }
    return std::string_view::npos;
}

}  // namespace

std::size_t FindIgnoringCase(std::string_view text, std::string_view name) {
    const std::vector<char32_t> folded = Folded(name);
    if (folded.empty()) return 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        if (FoldedAt(text, pos) == folded.front() &&
            MatchEnd(text, start, folded) != std::string_view::npos) {
            return start;
        }
    }
    return std::string_view::npos;
}

std::string FindBuiltInLanguage(std::string_view name, std::string_view dataText) {
    // No language has an empty name; an empty name would match any line starting with "{".
    if (name.empty()) return {};
    const std::size_t open = FindRecordBrace(dataText, name);
    if (open == std::string_view::npos) return {};
    const std::size_t close = dataText.find('}', open + 1);
    if (close == std::string_view::npos) return {};
    return LinesWithCrLf(dataText.substr(open + 1, close - open - 1));
}

std::string ReadUserLanguage(const SettingsStore& store, std::string_view name) {
    if (name.empty()) return {};  // the key's unnamed default value is no language
    return store.read(settings::kUserLanguagesScope, settings::kLanguagesSection, name, "");
}

std::string LookupLanguage(const SettingsStore& store, std::string_view name,
                           std::string_view dataText, bool builtInOnly) {
    if (!builtInOnly) {
        const std::string user = ReadUserLanguage(store, name);
        if (!user.empty()) return LinesWithCrLf(user);
    }
    return FindBuiltInLanguage(name, dataText);
}

}  // namespace kz
