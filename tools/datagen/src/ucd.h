// The subset of UnicodeData.txt the generator needs: name, category, decomposition, case partners.
#pragma once

#include <istream>
#include <string>
#include <unordered_map>
#include <vector>

namespace datagen {

struct CharInfo {
    std::string name;      // e.g. "LATIN SMALL LETTER E WITH ACUTE"
    std::string category;  // general category, e.g. "Ll"
    std::vector<char32_t> decomposition;
    bool compatibilityDecomposition = false;  // the field carried a <tag>
    char32_t upper = 0;    // simple upper-case mapping, 0 when none
    char32_t lower = 0;    // simple lower-case mapping, 0 when none
};

class Ucd {
public:
    // Reads UnicodeData.txt lines; throws std::runtime_error on a line it cannot understand.
    static Ucd read(std::istream& in);
    static Ucd readFile(const std::string& path);

    // Null when the code is not listed.
    const CharInfo* find(char32_t code) const;

    bool isLetter(char32_t code) const;

private:
    std::unordered_map<char32_t, CharInfo> entries_;
};

}  // namespace datagen
