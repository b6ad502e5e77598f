#include "charset/language_body.h"

#include <algorithm>
#include <optional>

#include "charset/hex_number.h"
#include "charset/letter_case.h"
#include "charset/utf8.h"

namespace kz {
namespace {

// Calls `onLine` for each line, ending lines at every CR LF and every ";;".
template <typename OnLine>
void ForEachLine(std::string_view body, OnLine onLine) {
    std::size_t start = 0;
    while (start <= body.size()) {
        const std::size_t crlf = body.find("\r\n", start);
        const std::size_t pair = body.find(";;", start);
        const std::size_t end = std::min(crlf, pair);
        if (end == std::string_view::npos) {
            onLine(body.substr(start));
            return;
        }
        onLine(body.substr(start, end - start));
        start = end + 2;
    }
}

// The byte length of the first `count` characters of `text` (fewer when it is shorter).
std::size_t PrefixLength(std::string_view text, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < count && pos < text.size(); ++i) utf8::Decode(text, pos);
    return pos;
}

std::optional<BodyLine> ReadLine(std::string_view line, const AnsiTable& ansi) {
    const std::size_t headLength = PrefixLength(line, 2);
    if (headLength == line.size()) return std::nullopt;  // two characters or fewer
    std::size_t pos = 0;
    const auto key = ansi.code(ToLowerChar(utf8::Decode(line, pos)));
    if (!key) return std::nullopt;
    BodyLine result;
    result.key = *key;
    std::string_view rest = line.substr(headLength);
    while (!rest.empty()) {
        const std::size_t groupLength = PrefixLength(rest, 4);
        if (const auto code = ReadHexGroup(rest.substr(0, groupLength))) result.characters.push_back(*code);
        rest.remove_prefix(groupLength);
    }
    return result;
}

}  // namespace

std::vector<BodyLine> ReadLanguageBody(std::string_view body, const AnsiTable& ansi) {
    std::vector<BodyLine> lines;
    ForEachLine(body, [&](std::string_view line) {
        if (auto read = ReadLine(line, ansi)) lines.push_back(std::move(*read));
    });
    return lines;
}

}  // namespace kz
