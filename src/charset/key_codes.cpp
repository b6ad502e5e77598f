#include "charset/key_codes.h"

#include "charset/ansi_table.h"
#include "charset/hex_number.h"
#include "charset/utf8.h"
#include "settings/leading_number.h"

namespace kz {
namespace {

std::string Replacement(std::string_view number, const AnsiTable& ansi) {
    const double n = LeadingNumber(number);
    if (!(n > 0 && n < 256)) return {};
    const auto code = RoundToRange(n, 1, 255);
    if (!code) return {};
    const auto character = ansi.character(static_cast<std::uint8_t>(*code));
    return character ? utf8::FromCodePoint(*character) : std::string();
}

}  // namespace

std::string ExpandKeyCodes(std::string_view text, const platform::CodePage& codePage) {
    const AnsiTable ansi(codePage);
    // `done` never holds "[[" except at its very end, right after a replacement, so the
    // first "[[" of the whole text is at the end of `done`, across the seam, or in `rest`.
    // Working this way keeps the expansion linear in the text's length.
    std::string done;
    std::string_view rest = text;
    while (true) {
        std::string_view afterOpen;
        if (done.ends_with("[[")) {
            done.resize(done.size() - 2);
            afterOpen = rest;
        } else if (done.ends_with('[') && rest.starts_with('[')) {
            done.pop_back();
            afterOpen = rest.substr(1);
        } else {
            const std::size_t open = rest.find("[[");
            if (open == std::string_view::npos) break;
            done += rest.substr(0, open);
            afterOpen = rest.substr(open + 2);
        }
        const std::size_t close = afterOpen.find("]]");
        if (close == std::string_view::npos) {
            done += "[[";
            rest = afterOpen;
            break;
        }
        done += Replacement(afterOpen.substr(0, close), ansi);
        rest = afterOpen.substr(close + 2);
    }
    done += rest;
    return done;
}

}  // namespace kz
