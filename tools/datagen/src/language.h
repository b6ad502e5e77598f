// A language as shipped in data.dat: a name and, per key, the characters it offers in order.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace datagen {

struct Language {
    std::string name;
    std::map<char, std::vector<char32_t>> keys;  // ascending key order, as the editor writes bodies
    std::string locale;  // the CLDR locale file it comes from ("sr_Latn"); empty for symbol sets

    bool offers(char32_t code) const;
    std::size_t characterCount() const;
};

}  // namespace datagen
