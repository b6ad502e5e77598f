#include "character_naming.h"

#include <stdexcept>
#include <string_view>

#include "utf8.h"

namespace datagen {

namespace {

bool consumePrefix(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

std::string letterName(std::string_view name) {
    if (consumePrefix(name, "LATIN SMALL LIGATURE ")) return std::string(name) + " ligature";
    if (consumePrefix(name, "LATIN SMALL LETTER ") || consumePrefix(name, "LATIN CAPITAL LETTER ") ||
        consumePrefix(name, "LATIN LETTER ")) {
        if (name == "AE") return "ae ligature";  // named a letter, but read as a ligature
        return std::string(name);
    }
    return std::string(name);
}

}  // namespace

std::string readableName(char32_t code, const Ucd& ucd) {
    const CharInfo* info = ucd.find(code);
    if (info == nullptr || info->name.empty() || info->name.front() == '<')
        throw std::runtime_error("no usable name for " + describeCode(code));
    const bool letter = info->category.front() == 'L';
    std::string name = toLowerAscii(letter ? letterName(info->name) : info->name);
    if (!isAscii(name)) throw std::runtime_error("non-ASCII name for " + describeCode(code));
    return name;
}

std::string markType(const std::string& readableLetterName) {
    const std::size_t with = readableLetterName.find(" with ");
    if (with == std::string::npos) return {};
    const std::string marks = readableLetterName.substr(with + 6);
    const std::size_t lastAnd = marks.rfind(" and ");
    return "with " + (lastAnd == std::string::npos ? marks : marks.substr(lastAnd + 5));
}

}  // namespace datagen
