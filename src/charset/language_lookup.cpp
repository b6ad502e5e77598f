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

bool MatchesAt(std::string_view text, std::size_t pos, const std::vector<char32_t>& folded) {
    for (char32_t wanted : folded) {
        if (pos >= text.size() || FoldedAt(text, pos) != wanted) return false;
    }
    return true;
}

}  // namespace

std::size_t FindIgnoringCase(std::string_view text, std::string_view name) {
    std::vector<char32_t> folded;
    for (std::size_t pos = 0; pos < name.size();) folded.push_back(FoldedAt(name, pos));
    if (folded.empty()) return 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        if (FoldedAt(text, pos) == folded.front() && MatchesAt(text, start, folded)) return start;
    }
    return std::string_view::npos;
}

std::string FindBuiltInLanguage(std::string_view name, std::string_view dataText) {
    // No language has an empty name; an empty search would match the first record.
    if (name.empty()) return {};
    const std::size_t at = FindIgnoringCase(dataText, name);
    if (at == std::string_view::npos) return {};
    const std::size_t open = dataText.find('{', at);
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
