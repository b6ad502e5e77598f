// Texts as the program reads them: data files (ANSI decoding, the UTF-16 byte order mark
// rule, the trailing CR LF) and the [[n]] key-code notation of settings texts.
#include <gtest/gtest.h>

#include <string>

#include "charset/key_codes.h"
#include "charset/text_file.h"
#include "platform/sim/code_page.h"

namespace kz {
namespace {

const sim::Windows1252CodePage kWestern;

// `ansi` written as UTF-16 with its byte order mark.
std::string Utf16(std::string_view ansi, bool bigEndian = false) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ansi) bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    return bytes;
}

// ANSI bytes decode through the code page (E9 é, 80 €, 9C œ). A UTF-16 mark at the start
// only drops the mark and the NULs, so both byte orders read like the ANSI file and
// characters above 255 are not recovered. One trailing CR LF is dropped.
TEST(CharsetTextFile, DecodingRules) {
    const std::string ansi = "00e9;00c9;x;3;e with acute\r\n0151;0150;x;4;o with double acute";
    const std::pair<std::string, std::string> cases[] = {
        {"caf\xE9 \x80 \x9C", "café € œ"},
        {"", ""},
        {Utf16(ansi), DecodeTextFile(ansi, kWestern)},
        {Utf16(ansi, true), DecodeTextFile(ansi, kWestern)},
        {std::string("\xFF\xFE" "a\0\x51\x01", 6), "aQ\x01"},
        {std::string("a\xFF\xFE" "b\0", 5), std::string("aÿþb\0", 7)},
        {"\xFF" "a", "ÿa"},
        {"a\r\nb\r\n", "a\r\nb"},
        {"a\r\n\r\n", "a\r\n"},  // the last line read is empty
        {"a\n", "a\n"},
        {Utf16("a\r\n"), "a"},
    };
    for (const auto& [bytes, text] : cases) EXPECT_EQ(DecodeTextFile(bytes, kWestern), text) << bytes;
}

std::string Expand(std::string_view text) { return ExpandKeyCodes(text, kWestern); }

// Numbers become the code page's characters, rounded to the nearest code (halves to
// even); codes out of range or unreadable give nothing; unpaired brackets stay; a
// replacement that forms a new pair is expanded in turn, and closing brackets never
// reopen anything.
TEST(CharsetKeyCodes, PairsBecomeTheirAnsiCharacters) {
    const std::pair<const char*, const char*> cases[] = {
        {"a[[13]]b", "a\rb"}, {"[[128]]", "€"}, {"[[233]][[ 65]]x", "éAx"}, {"plain text", "plain text"},
        {"x[[0]]y", "xy"}, {"[[300]]", ""}, {"[[-5]]", ""}, {"a[[]]b", "ab"}, {"a[[abc]]b", "ab"},
        {"[[255.5]]", ""}, {"[[64.6]]", "A"}, {"[[65.5]]", "B"}, {"[[66.5]]", "B"}, {"[[65abc]]", "A"},
        {"[[0.4]]", ""}, {"[[13", "[[13"}, {"13]]", "13]]"}, {"]][[65", "]][[65"}, {"[[65]]]]", "A]]"},
        {"[[91]][66]]", "B"}, {"[[[91]]65]]", "65]]"}, {"[[91]][[91]]66]]", "66]]"}, {"[[93]]]", "]]"},
    };
    for (const auto& [text, expanded] : cases) EXPECT_EQ(Expand(text), expanded) << text;
}

}  // namespace
}  // namespace kz
