#include "editor/key_lists.h"

#include <algorithm>
#include <array>

#include "charset/language_body.h"
#include "charset/utf8.h"

namespace kz::editor {
namespace {

void AppendHex4(std::string& out, char16_t code) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    for (int shift = 12; shift >= 0; shift -= 4) out += kDigits[(code >> shift) & 0xF];
}

// The index of the last unit, 0 for an empty list: the selection never leaves 0..last.
std::size_t LastIndex(const CandidateList& list) { return list.empty() ? 0 : list.size() - 1; }

}  // namespace

void KeyLists::clear() {
    for (auto& list : lists_) list.clear();
}

bool KeyLists::empty() const {
    return std::all_of(lists_.begin() + 1, lists_.end(), [](const auto& list) { return list.empty(); });
}

void KeyLists::addBody(std::string_view body, const AnsiTable& ansi) {
    for (const BodyLine& line : ReadLanguageBody(body, ansi)) {
        CandidateList& list = lists_[line.key];
        for (char16_t c : line.characters) {
            if (std::find(list.begin(), list.end(), c) == list.end()) list.push_back(c);
        }
    }
}

std::string KeyLists::body(const AnsiTable& ansi) const {
    std::string out;
    for (int code = 1; code < 256; ++code) {
        const CandidateList& list = lists_[code];
        if (list.empty()) continue;
        // Key codes come from captions or bodies through the same code page, so every one
        // that holds characters has a character; a byte that has none cannot be written.
        const auto key = ansi.character(static_cast<std::uint8_t>(code));
        if (!key) continue;
        if (!out.empty()) out += ";;";
        utf8::Append(out, *key);
        out += ' ';
        for (char16_t c : list) AppendHex4(out, c);
    }
    return out;
}

std::size_t InsertAfter(CandidateList& list, std::size_t selection, char16_t c) {
    const std::size_t at = list.empty() ? 0 : std::min(selection + 1, list.size());
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), c);
    return std::min(selection + 1, LastIndex(list));
}

std::size_t RemoveAt(CandidateList& list, std::size_t selection) {
    if (selection < list.size()) list.erase(list.begin() + static_cast<std::ptrdiff_t>(selection));
    return std::min(selection, LastIndex(list));
}

std::size_t MoveUnit(CandidateList& list, std::size_t selection, Move move) {
    if (selection >= list.size()) return selection;
    const auto at = list.begin() + static_cast<std::ptrdiff_t>(selection);
    switch (move) {
    case Move::Up:
        if (selection == 0) return selection;
        std::iter_swap(at - 1, at);
        return selection - 1;
    case Move::Down:
        if (selection + 1 == list.size()) return selection;
        std::iter_swap(at, at + 1);
        return selection + 1;
    case Move::ToTop:
        std::rotate(list.begin(), at, at + 1);
        return 0;
    case Move::ToBottom:
        std::rotate(at, at + 1, list.end());
        return list.size() - 1;
    }
    return selection;
}

}  // namespace kz::editor
