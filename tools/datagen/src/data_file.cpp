#include "data_file.h"

#include <set>
#include <stdexcept>

#include "utf8.h"

namespace datagen {

namespace {

std::string recordText(const Language& language) { return language.name + "{" + languageBody(language) + "}"; }

// The lookup as the program performs it: name ignoring case, then "{", then "}".
std::string lookUp(const std::string& lowerData, const std::string& data, const std::string& name) {
    const std::size_t at = lowerData.find(toLowerAscii(name));
    if (at == std::string::npos) return {};
    const std::size_t open = data.find('{', at);
    if (open == std::string::npos) return {};
    const std::size_t close = data.find('}', open + 1);
    if (close == std::string::npos) return {};
    return data.substr(open + 1, close - open - 1);
}

}  // namespace

std::string languageBody(const Language& language) {
    std::string body;
    for (const auto& [key, codes] : language.keys) {
        if (!body.empty()) body += "\r\n";
        body += key;
        body += ' ';
        for (const char32_t code : codes) body += hex4(code);
    }
    return body;
}

std::vector<Language> orderForLookup(std::vector<Language> languages) {
    const std::size_t count = languages.size();
    std::vector<std::string> lowerNames;
    std::vector<std::string> lowerRecords;
    for (const auto& language : languages) {
        lowerNames.push_back(toLowerAscii(language.name));
        lowerRecords.push_back(toLowerAscii(recordText(language)));
    }
    // mustPrecede[j] holds every i whose name occurs in record j.
    std::vector<std::set<std::size_t>> mustPrecede(count);
    for (std::size_t i = 0; i < count; ++i)
        for (std::size_t j = 0; j < count; ++j)
            if (i != j && lowerRecords[j].find(lowerNames[i]) != std::string::npos) mustPrecede[j].insert(i);

    // Repeatedly take the first language (in the given order) whose predecessors are placed.
    std::vector<Language> ordered;
    std::vector<bool> placed(count, false);
    while (ordered.size() < count) {
        bool progress = false;
        for (std::size_t j = 0; j < count && !progress; ++j) {
            if (placed[j]) continue;
            bool ready = true;
            for (const std::size_t i : mustPrecede[j]) ready = ready && placed[i];
            if (!ready) continue;
            placed[j] = true;
            ordered.push_back(languages[j]);
            progress = true;
        }
        if (!progress) throw std::runtime_error("language names occur inside each other's records; no order works");
    }
    return ordered;
}

std::string renderDataFile(const std::vector<Language>& languages) {
    std::string data;
    for (const auto& language : languages) data += recordText(language) + "\r\n";
    return data;
}

void verifyLookup(const std::string& dataFile, const std::vector<Language>& languages) {
    const std::string lowerData = toLowerAscii(dataFile);
    for (const auto& language : languages)
        if (lookUp(lowerData, dataFile, language.name) != languageBody(language))
            throw std::runtime_error("looking up '" + language.name + "' in data.dat does not find its own record");
}

}  // namespace datagen
