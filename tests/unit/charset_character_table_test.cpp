// characters.dat and groups.dat: fields, the code index, malformed lines.
#include <gtest/gtest.h>

#include "charset/character_file.h"
#include "charset/group_file.h"
#include "platform/sim/code_page.h"

namespace kz {
namespace {

const sim::Windows1252CodePage kWestern;

CharacterTable Load(std::string_view text) {
    CharacterTable table;
    table.assign(ParseCharacterRecords(text, AnsiTable(kWestern)));
    return table;
}

// One line of characters.dat: code and upper-case code in hexadecimal of any width and
// case, the type as the field's leading number (halves to even), and whether either code
// lies outside the code page. Malformed lines are skipped.
TEST(CharsetCharacterTable, EachLineGivesARecordOrIsSkipped) {
    struct Case { const char* line; int code, upper, type; bool unicodeOnly; };
    constexpr int kSkipped = -1;
    const Case cases[] = {
        {"00e9;00c9;x;3;e with acute", 0xE9, 0xC9, 3, false},
        {"e9;C9;;1;a", 0xE9, 0xC9, 1, false},
        {"FFFF;0;;1;c", 0xFFFF, 0, 1, true},
        {";;;1;d", 0, 0, 1, false},
        {"zz;12;;1;e", 0, 0x12, 1, false},
        {"61;41;;12 apples;a", 0x61, 0x41, 12, false},
        {"62;42;;none;b", 0x62, 0x42, 0, false},
        {"63;43;;2.5;c", 0x63, 0x43, 2, false},
        {"64;44;;3.5;d", 0x64, 0x44, 4, false},
        {"0151;0150;;1;o with double acute", 0x151, 0x150, 1, true},
        {"0061;0100;;1;odd pair", 0x61, 0x100, 1, true},
        {"00e9;00c9;x;3", kSkipped, 0, 0, false},  // four fields
        {"10000;0;x;1;too big", kSkipped, 0, 0, false},
        {"0061;12345;x;1;upper too big", kSkipped, 0, 0, false},
        {"0062;0042;x;32768;type too big", kSkipped, 0, 0, false},
        {"0063;0043;x;1;c;extra;fields", 0x63, 0x43, 1, false},  // extra fields are ignored
        {"", kSkipped, 0, 0, false},
    };
    for (const Case& c : cases) {
        const auto records = ParseCharacterRecords(c.line, AnsiTable(kWestern));
        ASSERT_EQ(records.size(), c.code == kSkipped ? 0u : 1u) << c.line;
        if (records.empty()) continue;
        EXPECT_EQ(records[0].code, c.code) << c.line;
        EXPECT_EQ(records[0].upperCode, c.upper) << c.line;
        EXPECT_EQ(records[0].typeNumber, c.type) << c.line;
        EXPECT_EQ(records[0].unicodeOnly, c.unicodeOnly) << c.line;
    }
}

// Both codes of a record find it, and later lines win.
TEST(CharsetCharacterTable, IndexFindsBothCasesAndLaterLinesWin) {
    CharacterTable table = Load(
        "00e9;00c9;x;3;e with acute\r\n"
        "00e8;00c8;x;4;e with grave\r\n"
        "00c9;0;x;5;capital e with acute");
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table.find(0xE9), &table.records()[0]);
    EXPECT_EQ(table.find(0xC8), &table.records()[1]);
    EXPECT_EQ(table.find(0xC9), &table.records()[2]);  // named again later
    EXPECT_EQ(table.find(u'z'), nullptr);              // unnamed: no record
    EXPECT_EQ(table.find(0), nullptr);                 // "no partner" claims nothing
}

// The second field is the name, lines keep their numbers, and at most 1001 are read.
TEST(CharsetGroups, SecondFieldIsTheNameAndLinesKeepTheirNumbers) {
    const auto names = ParseGroupNames("1;with acute;x\r\n2;with grave\r\nbroken\r\n4;currency");
    EXPECT_EQ(names, (std::vector<std::string>{"with acute", "with grave", "", "currency"}));
    EXPECT_TRUE(ParseGroupNames("").empty());
    std::string text;
    for (int i = 1; i <= 1005; ++i) text += std::to_string(i) + ";type " + std::to_string(i) + "\r\n";
    const auto many = ParseGroupNames(text);
    ASSERT_EQ(many.size(), kMaxGroups);
    EXPECT_EQ(many.back(), "type 1001");
}

}  // namespace
}  // namespace kz
