// The language body format: line breaks, keys, character groups.
#include <gtest/gtest.h>

#include <sstream>

#include "charset/language_body.h"
#include "platform/sim/code_page.h"

namespace kz {
namespace {

const sim::Windows1252CodePage kWestern;

// The lines read, as "key:hex,hex|key:hex".
std::string Read(std::string_view body) {
    std::ostringstream out;
    for (const BodyLine& line : ReadLanguageBody(body, AnsiTable(kWestern))) {
        out << (out.tellp() > 0 ? "|" : "") << static_cast<char>(line.key) << ':' << std::hex << std::uppercase;
        for (std::size_t i = 0; i < line.characters.size(); ++i) out << (i ? "," : "") << int(line.characters[i]);
    }
    return out.str();
}

TEST(CharsetLanguageBody, ReadsEachLineIntoAKeyAndItsCharacters) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"e 00E900E800EB\r\na 00e1", "e:E9,E8,EB|a:E1"},
        {"e 00E9;;a 00E1", "e:E9|a:E1"},        // ";;" breaks lines as CR LF does
        {"e 00E9;;\r\na 00E1", "e:E9|a:E1"},    // an empty line between is ignored
        {"E 00C9;;\xC3\x89 00E9", "e:C9|\xE9:E9"},  // upper-case keys file under lower case
        {"e \r\ne\r\n\r\n;;", ""},              // short lines
        {"e 7", "e:7"},                         // three characters make a line
        {"o 00F6F8", "o:F6,F8"},                // a short last group is the number it spells
        {"o 00F60F8", "o:F6,F8"},
        {"o FFFF", "o:FFFF"},
        {"e 00E9zzzz00E8", "e:E9,E8"},          // groups that are not hexadecimal are skipped
        {"e 00E9 00E8", "e:E9,8"},              // a stray blank shifts the groups
        {"\xC5\x91 0151;;o 00F6", "o:F6"},      // a key outside the code page drops its line
        {"e 00E900E9", "e:E9,E9"},              // repeats are kept for the merge to decide
    };
    for (const auto& [body, lines] : cases) EXPECT_EQ(Read(body), lines) << body;
}

}  // namespace
}  // namespace kz
