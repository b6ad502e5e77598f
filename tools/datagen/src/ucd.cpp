#include "ucd.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace datagen {

namespace {

std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream stream(line);
    while (std::getline(stream, field, ';')) fields.push_back(field);
    if (!line.empty() && line.back() == ';') fields.emplace_back();
    return fields;
}

char32_t parseHex(const std::string& text) {
    if (text.empty()) return 0;
    std::size_t used = 0;
    const unsigned long value = std::stoul(text, &used, 16);
    if (used != text.size()) throw std::runtime_error("bad code point '" + text + "'");
    return static_cast<char32_t>(value);
}

void parseDecomposition(const std::string& field, CharInfo& info) {
    std::istringstream stream(field);
    std::string token;
    while (stream >> token) {
        if (token.front() == '<') {
            info.compatibilityDecomposition = true;
            continue;
        }
        info.decomposition.push_back(parseHex(token));
    }
}

}  // namespace

Ucd Ucd::read(std::istream& in) {
    Ucd ucd;
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        const auto fields = splitFields(line);
        if (fields.size() < 14)
            throw std::runtime_error("UnicodeData line " + std::to_string(lineNumber) + " has too few fields");
        try {
            CharInfo info;
            info.name = fields[1];
            info.category = fields[2];
            parseDecomposition(fields[5], info);
            info.upper = parseHex(fields[12]);
            info.lower = parseHex(fields[13]);
            ucd.entries_[parseHex(fields[0])] = std::move(info);
        } catch (const std::exception& e) {
            throw std::runtime_error("UnicodeData line " + std::to_string(lineNumber) + ": " + e.what());
        }
    }
    return ucd;
}

Ucd Ucd::readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    return read(in);
}

const CharInfo* Ucd::find(char32_t code) const {
    const auto it = entries_.find(code);
    return it == entries_.end() ? nullptr : &it->second;
}

bool Ucd::isLetter(char32_t code) const {
    const CharInfo* info = find(code);
    return info != nullptr && !info->category.empty() && info->category.front() == 'L';
}

}  // namespace datagen
