#include "self_checks.h"

#include <map>
#include <set>
#include <stdexcept>

#include "data_file.h"
#include "utf8.h"

namespace datagen {

namespace {

[[noreturn]] void fail(const std::string& why) { throw std::runtime_error("self-check failed: " + why); }

bool isUpperHex(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

}  // namespace

void checkCharacterTable(const CharacterTable& table, const std::vector<Language>& languages) {
    std::set<char32_t> named;
    std::set<char32_t> recorded;
    for (const auto& record : table.records) {
        if (record.type < 1 || record.type > static_cast<int>(table.types.size()))
            fail(describeCode(record.code) + " has type " + std::to_string(record.type) + ", which groups.dat lacks");
        if (!named.insert(record.code).second) fail(describeCode(record.code) + " is named twice");
        if (record.upper != 0 && !named.insert(record.upper).second)
            fail("upper-case " + describeCode(record.upper) + " is named twice");
        if (record.name.empty() || record.name.find(';') != std::string::npos)
            fail(describeCode(record.code) + " has an unusable name");
        recorded.insert(record.code);
    }
    for (const auto& language : languages)
        for (const auto& [key, codes] : language.keys)
            for (const char32_t code : codes)
                if (!recorded.contains(code)) fail(language.name + " offers " + describeCode(code) + " without a record");
}

void checkBodies(const std::vector<Language>& languages) {
    for (const auto& language : languages) {
        const std::string body = languageBody(language);
        std::size_t start = 0;
        while (start <= body.size()) {
            const std::size_t end = std::min(body.find("\r\n", start), body.size());
            const std::string line = body.substr(start, end - start);
            bool good = line.size() > 2 && line[1] == ' ' && (line.size() - 2) % 4 == 0;
            for (std::size_t i = 2; good && i < line.size(); ++i) good = isUpperHex(line[i]);
            if (!good) fail(language.name + " has a malformed body line '" + line + "'");
            start = end + 2;
        }
    }
}

void checkPlainText(const std::string& fileName, const std::string& content) {
    for (std::size_t i = 0; i < content.size(); ++i) {
        const auto c = static_cast<unsigned char>(content[i]);
        if (c >= 0x80) fail(fileName + " holds a non-ASCII byte at " + std::to_string(i));
        if (c == '\n' && (i == 0 || content[i - 1] != '\r')) fail(fileName + " has a bare LF at " + std::to_string(i));
        if (c == '\r' && (i + 1 >= content.size() || content[i + 1] != '\n'))
            fail(fileName + " has a bare CR at " + std::to_string(i));
        if (c < 0x20 && c != '\r' && c != '\n') fail(fileName + " holds a control byte at " + std::to_string(i));
    }
}

}  // namespace datagen
