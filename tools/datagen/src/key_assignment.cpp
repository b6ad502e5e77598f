#include "key_assignment.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace datagen {

namespace {

// Letters without a decomposition, filed under the letter they are read as or look like.
constexpr std::array<std::pair<char32_t, char>, 31> kReadAs{{
    {0x00DF, 's'},  // sharp s
    {0x00E6, 'a'},  // ae
    {0x0153, 'o'},  // oe
    {0x00F8, 'o'},  // o with stroke
    {0x0111, 'd'},  // d with stroke
    {0x00F0, 'd'},  // eth
    {0x0142, 'l'},  // l with stroke
    {0x0131, 'i'},  // dotless i
    {0x00FE, 't'},  // thorn
    {0x014B, 'n'},  // eng
    {0x0127, 'h'},  // h with stroke
    {0x0138, 'k'},  // kra
    {0x0259, 'e'},  // schwa
    {0x01DD, 'e'},  // turned e
    {0x025B, 'e'},  // open e
    {0x0254, 'o'},  // open o
    {0x0263, 'g'},  // gamma
    {0x0251, 'a'},  // alpha
    {0x0269, 'i'},  // iota
    {0x028A, 'u'},  // upsilon
    {0x0292, 'z'},  // ezh
    {0x017F, 's'},  // long s
    {0x01BF, 'w'},  // wynn
    {0x0294, '?'},  // glottal stop: looks like the question mark
    {0x01C0, '|'},  // dental click
    {0x01C1, '|'},  // lateral click
    {0x01C2, '='},  // alveolar click
    {0x01C3, '!'},  // retroflex click
    {0x02BB, '\''}, // turned comma (Hawaiian okina)
    {0x02BC, '\''}, // modifier letter apostrophe
    {0xA78C, '\''}, // saltillo
}};

std::optional<char> readAs(char32_t code) {
    for (const auto& [letter, key] : kReadAs)
        if (letter == code) return key;
    return std::nullopt;
}

std::optional<char> asciiLetter(char32_t code) {
    if (code >= U'a' && code <= U'z') return static_cast<char>(code);
    if (code >= U'A' && code <= U'Z') return static_cast<char>(code - U'A' + U'a');
    return std::nullopt;
}

bool consumePrefix(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

// "LATIN SMALL LETTER D WITH HOOK", "LATIN SMALL LETTER OPEN E", "LATIN SMALL LETTER U BAR":
// the letter named by a lone capital after the shape words.
std::optional<char> letterFromName(std::string_view name) {
    if (!consumePrefix(name, "LATIN SMALL LETTER ") && !consumePrefix(name, "LATIN CAPITAL LETTER ") &&
        !consumePrefix(name, "LATIN LETTER "))
        return std::nullopt;
    for (const std::string_view shape : {"OPEN ", "TURNED ", "REVERSED ", "DOTLESS ", "SMALL CAPITAL ", "BARRED "})
        consumePrefix(name, shape);
    const std::size_t wordEnd = name.find(' ');
    const std::string_view word = name.substr(0, wordEnd);
    if (word.size() != 1) return std::nullopt;
    return asciiLetter(static_cast<char32_t>(word.front()));
}

}  // namespace

char32_t offeredForm(char32_t code, const Ucd& ucd) {
    const CharInfo* info = ucd.find(code);
    if (info == nullptr || info->lower == 0) return code;
    if (info->category == "Lu" || info->category == "Lt") return info->lower;
    return code;
}

bool typedByKeyboard(char32_t original, char32_t offered) {
    return offered < 0x80 && original != kCapitalIWithDotAbove;
}

char32_t upperPartner(char32_t offered, const Ucd& ucd) {
    if (offered == U'i') return kCapitalIWithDotAbove;
    const CharInfo* info = ucd.find(offered);
    return info == nullptr ? 0 : info->upper;
}

std::optional<char> keyFor(char32_t code, const Ucd& ucd) {
    if (const auto key = asciiLetter(code)) return key;
    if (const auto key = readAs(code)) return key;
    const CharInfo* info = ucd.find(code);
    if (info == nullptr) return std::nullopt;
    if (!info->decomposition.empty() && !info->compatibilityDecomposition)
        return keyFor(info->decomposition.front(), ucd);  // é -> e, ǣ -> æ -> a
    if (const auto key = letterFromName(info->name)) return key;
    if (!info->decomposition.empty()) return asciiLetter(info->decomposition.front());  // ĳ -> i
    return std::nullopt;
}

bool isUsableKey(char key) {
    static constexpr std::string_view kKeys =
        "abcdefghijklmnopqrstuvwxyz0123456789`-=[]\\',./~!@#$%^&*()_+|:\"<>?";
    return kKeys.find(key) != std::string_view::npos;
}

}  // namespace datagen
