#include "language_names.h"

#include <stdexcept>

#include "utf8.h"

namespace datagen {

namespace {

bool isApostropheLike(char32_t c) { return c == 0x2019 || c == 0x2018 || c == 0x02BC || c == 0x02BB; }

// Appends the ASCII spelling of c; false when there is none.
bool appendAscii(char32_t c, const Ucd& ucd, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
        return true;
    }
    if (isApostropheLike(c)) {
        out += '\'';
        return true;
    }
    const CharInfo* info = ucd.find(c);
    if (info == nullptr) return false;
    if (info->category == "Mn") return true;  // a combining mark left over from a decomposition
    if (info->decomposition.empty() || info->compatibilityDecomposition) return false;
    for (const char32_t part : info->decomposition)
        if (!appendAscii(part, ucd, out)) return false;
    return true;
}

std::string properCase(const std::string& text) {
    std::string out = toLowerAscii(text);
    bool wordStart = true;
    for (char& c : out) {
        if (wordStart && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        wordStart = c == ' ' || c == '-';
    }
    return out;
}

}  // namespace

std::string asciiLanguageName(const std::string& utf8Name, const Ucd& ucd) {
    std::string ascii;
    for (const char32_t c : decodeUtf8(utf8Name))
        if (!appendAscii(c, ucd, ascii)) throw std::runtime_error("language name '" + utf8Name + "' has no ASCII spelling");
    const std::string name = properCase(ascii);
    if (name.empty() || name.front() == '!' || name.find_first_of(";{}") != std::string::npos)
        throw std::runtime_error("language name '" + utf8Name + "' is not usable");
    return name;
}

}  // namespace datagen
