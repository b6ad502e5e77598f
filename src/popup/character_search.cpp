#include "popup/character_search.h"

#include "charset/letter_case.h"

namespace kz {
namespace {

// Letters and digits make words; so do the bytes of non-ASCII characters.
bool IsWordByte(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c >= 0x80;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

}  // namespace

void CharacterSearch::index(const CharacterTable& table) {
    names_.clear();
    wordStarts_.clear();
    recordStart_.clear();
    nameEnd_.clear();
    recordStart_.reserve(table.size() + 1);
    nameEnd_.reserve(table.size());
    for (const CharacterRecord& record : table.records()) {
        recordStart_.push_back(static_cast<std::uint32_t>(wordStarts_.size()));
        const std::size_t base = names_.size();
        names_ += ToLowerText(record.name);
        bool inWord = false;
        for (std::size_t pos = base; pos < names_.size(); ++pos) {
            const bool word = IsWordByte(static_cast<unsigned char>(names_[pos]));
            if (word && !inWord) wordStarts_.push_back(static_cast<std::uint32_t>(pos));
            inWord = word;
        }
        nameEnd_.push_back(static_cast<std::uint32_t>(names_.size()));
    }
    recordStart_.push_back(static_cast<std::uint32_t>(wordStarts_.size()));
}

void CharacterSearch::find(std::string_view query, std::vector<int>& out) const {
    out.clear();
    if (query.find_first_not_of(' ') == std::string_view::npos) return;
    for (std::size_t record = 0; record < size(); ++record) {
        if (matches(record, query)) out.push_back(static_cast<int>(record));
    }
}

bool CharacterSearch::matches(std::size_t record, std::string_view query) const {
    std::size_t pos = 0;
    while (pos < query.size()) {
        if (query[pos] == ' ') {
            ++pos;
            continue;
        }
        const std::size_t end = std::min(query.find(' ', pos), query.size());
        if (!hasWordStartingWith(record, query.substr(pos, end - pos))) return false;
        pos = end;
    }
    return true;
}

bool CharacterSearch::hasWordStartingWith(std::size_t record, std::string_view word) const {
    const std::size_t limit = nameEnd_[record];
    for (std::uint32_t w = recordStart_[record]; w < recordStart_[record + 1]; ++w) {
        const std::size_t start = wordStarts_[w];
        if (start + word.size() > limit) continue;
        bool same = true;
        for (std::size_t i = 0; i < word.size() && same; ++i) {
            same = names_[start + i] == LowerAscii(word[i]);
        }
        if (same) return true;
    }
    return false;
}

}  // namespace kz
