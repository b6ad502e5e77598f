#include "charset/letter_case.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "charset/utf8.h"

namespace kz {
namespace {

// Only the letters that change, sorted by the letter: about 1,400 pairs (11 KiB) where
// two full tables of the 16-bit range would keep 256 KiB for the whole run.
using CaseMap = std::vector<std::pair<char16_t, char16_t>>;

struct CaseTables {
    CaseMap lower;  // upper-case letter -> its lower case
    CaseMap upper;  // lower-case letter -> its upper case
};

// Upper-case letters and their lower-case partners, as ranges.
struct Rule {
    char16_t first;
    char16_t last;
    enum Kind { Offset, EvenToNext, OddToNext } kind;
    int offset;  // for Offset: lower = upper + offset
};

constexpr Rule kRules[] = {
    {0x0041, 0x005A, Rule::Offset, 32},      {0x00C0, 0x00D6, Rule::Offset, 32},
    {0x00D8, 0x00DE, Rule::Offset, 32},      {0x0100, 0x012F, Rule::EvenToNext, 0},
    {0x0132, 0x0137, Rule::EvenToNext, 0},   {0x0139, 0x0148, Rule::OddToNext, 0},
    {0x014A, 0x0177, Rule::EvenToNext, 0},   {0x0179, 0x017E, Rule::OddToNext, 0},
    {0x0182, 0x0185, Rule::EvenToNext, 0},   {0x01A0, 0x01A5, Rule::EvenToNext, 0},
    {0x01CD, 0x01DC, Rule::OddToNext, 0},    {0x01DE, 0x01EF, Rule::EvenToNext, 0},
    {0x01F8, 0x021F, Rule::EvenToNext, 0},   {0x0222, 0x0233, Rule::EvenToNext, 0},
    {0x0246, 0x024F, Rule::EvenToNext, 0},   {0x0370, 0x0373, Rule::EvenToNext, 0},
    {0x0388, 0x038A, Rule::Offset, 37},      {0x038E, 0x038F, Rule::Offset, 63},
    {0x0391, 0x03A1, Rule::Offset, 32},      {0x03A3, 0x03AB, Rule::Offset, 32},
    {0x03D8, 0x03EF, Rule::EvenToNext, 0},   {0x0400, 0x040F, Rule::Offset, 80},
    {0x0410, 0x042F, Rule::Offset, 32},      {0x0460, 0x0481, Rule::EvenToNext, 0},
    {0x048A, 0x04BF, Rule::EvenToNext, 0},   {0x04C1, 0x04CE, Rule::OddToNext, 0},
    {0x04D0, 0x052F, Rule::EvenToNext, 0},   {0x0531, 0x0556, Rule::Offset, 48},
    {0x1E00, 0x1E95, Rule::EvenToNext, 0},   {0x1EA0, 0x1EFF, Rule::EvenToNext, 0},
    {0x1F08, 0x1F0F, Rule::Offset, -8},      {0x1F18, 0x1F1D, Rule::Offset, -8},
    {0x1F28, 0x1F2F, Rule::Offset, -8},      {0x1F38, 0x1F3F, Rule::Offset, -8},
    {0x1F48, 0x1F4D, Rule::Offset, -8},      {0x1F68, 0x1F6F, Rule::Offset, -8},
    {0x2160, 0x216F, Rule::Offset, 16},      {0x24B6, 0x24CF, Rule::Offset, 26},
    {0x2C00, 0x2C2F, Rule::Offset, 48},      {0x2C80, 0x2CE3, Rule::EvenToNext, 0},
    {0xA640, 0xA66D, Rule::EvenToNext, 0},   {0xA680, 0xA69B, Rule::EvenToNext, 0},
    {0xA722, 0xA72F, Rule::EvenToNext, 0},   {0xA732, 0xA76F, Rule::EvenToNext, 0},
    {0xA779, 0xA77C, Rule::OddToNext, 0},    {0xA77E, 0xA787, Rule::EvenToNext, 0},
    {0xA790, 0xA793, Rule::EvenToNext, 0},   {0xA796, 0xA7A9, Rule::EvenToNext, 0},
    {0xFF21, 0xFF3A, Rule::Offset, 32},
};

// Single pairs the ranges do not cover (upper, lower).
constexpr std::pair<char16_t, char16_t> kPairs[] = {
    {0x0130, 0x0069}, {0x0178, 0x00FF}, {0x0181, 0x0253}, {0x0186, 0x0254}, {0x0187, 0x0188},
    {0x0189, 0x0256}, {0x018A, 0x0257}, {0x018B, 0x018C}, {0x018E, 0x01DD}, {0x018F, 0x0259},
    {0x0190, 0x025B}, {0x0191, 0x0192}, {0x0193, 0x0260}, {0x0194, 0x0263}, {0x0196, 0x0269},
    {0x0197, 0x0268}, {0x0198, 0x0199}, {0x019C, 0x026F}, {0x019D, 0x0272}, {0x019F, 0x0275},
    {0x01A6, 0x0280}, {0x01A7, 0x01A8}, {0x01A9, 0x0283}, {0x01AC, 0x01AD}, {0x01AE, 0x0288},
    {0x01AF, 0x01B0}, {0x01B1, 0x028A}, {0x01B2, 0x028B}, {0x01B3, 0x01B4}, {0x01B5, 0x01B6},
    {0x01B7, 0x0292}, {0x01B8, 0x01B9}, {0x01BC, 0x01BD}, {0x01C4, 0x01C6}, {0x01C5, 0x01C6},
    {0x01C7, 0x01C9}, {0x01C8, 0x01C9}, {0x01CA, 0x01CC}, {0x01CB, 0x01CC}, {0x01F1, 0x01F3},
    {0x01F2, 0x01F3}, {0x01F4, 0x01F5}, {0x01F6, 0x0195}, {0x01F7, 0x01BF}, {0x0220, 0x019E},
    {0x023A, 0x2C65}, {0x023B, 0x023C}, {0x023D, 0x019A}, {0x023E, 0x2C66}, {0x0241, 0x0242},
    {0x0243, 0x0180}, {0x0244, 0x0289}, {0x0245, 0x028C}, {0x0376, 0x0377}, {0x037F, 0x03F3},
    {0x0386, 0x03AC}, {0x038C, 0x03CC}, {0x03CF, 0x03D7}, {0x04C0, 0x04CF}, {0x1E9E, 0x00DF},
    {0x2C60, 0x2C61}, {0x2C62, 0x026B}, {0x2C63, 0x1D7D}, {0x2C64, 0x027D}, {0x2C67, 0x2C68},
    {0x2C69, 0x2C6A}, {0x2C6B, 0x2C6C}, {0x2C6D, 0x0251}, {0x2C6E, 0x0271}, {0x2C6F, 0x0250},
    {0x2C70, 0x0252}, {0x2C72, 0x2C73}, {0x2C75, 0x2C76}, {0xA77D, 0x1D79}, {0xA78B, 0xA78C},
    {0xA78D, 0x0265}, {0xA7AA, 0x0266}, {0xA7AB, 0x025C}, {0xA7AC, 0x0261}, {0xA7AD, 0x026C},
    {0xA7AE, 0x026A}, {0xA7B0, 0x029E}, {0xA7B1, 0x0287}, {0xA7B2, 0x029D}, {0xA7B3, 0xAB53},
};

void AddPair(CaseTables& tables, char16_t upper, char16_t lower) {
    tables.lower.emplace_back(upper, lower);
    tables.upper.emplace_back(lower, upper);
}

// Sorted by key, one entry per key: the first one added, or the last.
void Settle(CaseMap& map, bool lastWins) {
    if (lastWins) std::reverse(map.begin(), map.end());
    std::stable_sort(map.begin(), map.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    map.erase(std::unique(map.begin(), map.end(), [](const auto& a, const auto& b) { return a.first == b.first; }),
              map.end());
    map.shrink_to_fit();
}

void Assign(CaseMap& map, char16_t key, char16_t value) {
    const auto at = std::lower_bound(map.begin(), map.end(), key, [](const auto& e, char16_t k) { return e.first < k; });
    if (at != map.end() && at->first == key) {
        at->second = value;
    } else {
        map.insert(at, {key, value});
    }
}

char32_t Look(const CaseMap& map, char32_t c) {
    if (c >= 0x10000) return c;
    const auto key = static_cast<char16_t>(c);
    const auto at = std::lower_bound(map.begin(), map.end(), key, [](const auto& e, char16_t k) { return e.first < k; });
    return at != map.end() && at->first == key ? at->second : c;
}

CaseTables BuildTables() {
    CaseTables tables;
    for (const Rule& rule : kRules) {
        for (unsigned c = rule.first; c <= rule.last; ++c) {
            switch (rule.kind) {
                case Rule::Offset:
                    AddPair(tables, static_cast<char16_t>(c), static_cast<char16_t>(c + rule.offset));
                    break;
                case Rule::EvenToNext:
                    if (c % 2 == 0) AddPair(tables, static_cast<char16_t>(c), static_cast<char16_t>(c + 1));
                    break;
                case Rule::OddToNext:
                    if (c % 2 == 1) AddPair(tables, static_cast<char16_t>(c), static_cast<char16_t>(c + 1));
                    break;
            }
        }
    }
    for (const auto& [upper, lower] : kPairs) AddPair(tables, upper, lower);
    Settle(tables.lower, true);
    // Several upper-case forms may share a lower-case one (I and dotted I): the first
    // pair added, the plain letter, names the partner.
    Settle(tables.upper, false);
    // Letters whose upper case is a letter that lowers to another one.
    Assign(tables.upper, 0x0131, u'I');     // dotless i
    Assign(tables.upper, 0x017F, u'S');     // long s
    Assign(tables.upper, 0x03C2, 0x03A3);   // final sigma
    return tables;
}

const CaseTables& Tables() {
    static const CaseTables tables = BuildTables();
    return tables;
}

bool IsWordBreak(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\r' || c == U'\n' || c == U'\v' || c == U'\f' ||
           c == U'\0';
}

}  // namespace

char32_t ToLowerChar(char32_t c) { return Look(Tables().lower, c); }

char32_t ToUpperChar(char32_t c) { return Look(Tables().upper, c); }

std::string ToLowerText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) utf8::Append(out, ToLowerChar(utf8::Decode(text, pos)));
    return out;
}

std::string ToProperCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool wordStart = true;
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t c = utf8::Decode(text, pos);
        utf8::Append(out, wordStart ? ToUpperChar(c) : ToLowerChar(c));
        wordStart = IsWordBreak(c);
    }
    return out;
}

}  // namespace kz
