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

TEST(CharsetCharacterTable, ReadsTheFieldsOfALine) {
    const auto records = ParseCharacterRecords("00e9;00c9;x;3;e with acute", AnsiTable(kWestern));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].code, 233);
    EXPECT_EQ(records[0].upperCode, 201);
    EXPECT_EQ(records[0].typeNumber, 3);
    EXPECT_EQ(records[0].name, "e with acute");
    EXPECT_FALSE(records[0].unicodeOnly);
}

TEST(CharsetCharacterTable, CodesReadAsHexOfAnyWidthAndCase) {
    const auto records = ParseCharacterRecords(
        "e9;C9;;1;a\r\n00E9;00c9;;1;b\r\nFFFF;0;;1;c\r\n;;;1;d\r\nzz;12;;1;e", AnsiTable(kWestern));
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0].code, records[1].code);
    EXPECT_EQ(records[0].upperCode, records[1].upperCode);
    EXPECT_EQ(records[2].code, 0xFFFF);  // never negative
    EXPECT_EQ(records[3].code, 0);        // empty field
    EXPECT_EQ(records[3].upperCode, 0);
    EXPECT_EQ(records[4].code, 0);        // nothing hexadecimal to read
    EXPECT_EQ(records[4].upperCode, 0x12);
}

TEST(CharsetCharacterTable, TypeNumberIsTheFieldsLeadingNumber) {
    const auto records = ParseCharacterRecords(
        "61;41;;12 apples;a\r\n62;42;;none;b\r\n63;43;;2.5;c\r\n64;44;;3.5;d\r\n65;45;;-32768;e",
        AnsiTable(kWestern));
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0].typeNumber, 12);
    EXPECT_EQ(records[1].typeNumber, 0);
    EXPECT_EQ(records[2].typeNumber, 2);  // halves round to even
    EXPECT_EQ(records[3].typeNumber, 4);
    EXPECT_EQ(records[4].typeNumber, -32768);
}

TEST(CharsetCharacterTable, MalformedLinesAreSkipped) {
    const auto records = ParseCharacterRecords(
        "00e9;00c9;x;3\r\n"          // four fields
        "10000;0;x;1;too big\r\n"    // code above FFFF
        "0061;12345;x;1;upper too big\r\n"
        "0062;0042;x;32768;type too big\r\n"
        "\r\n"
        "0063;0043;x;1;c;extra;fields",
        AnsiTable(kWestern));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].code, u'c');
    EXPECT_EQ(records[0].name, "c");
}

TEST(CharsetCharacterTable, UnicodeOnlyWhenEitherCodeIsOutsideTheCodePage) {
    const auto records = ParseCharacterRecords(
        "0151;0150;;1;o with double acute\r\n"
        "00e9;;;1;e with acute\r\n"
        "0153;0152;;1;oe\r\n"           // both in Windows-1252 (9C, 8C)
        "00ff;0178;;1;y with diaeresis\r\n"
        "0061;0100;;1;odd pair",
        AnsiTable(kWestern));
    ASSERT_EQ(records.size(), 5u);
    EXPECT_TRUE(records[0].unicodeOnly);
    EXPECT_FALSE(records[1].unicodeOnly);  // no partner: the code alone decides
    EXPECT_FALSE(records[2].unicodeOnly);
    EXPECT_FALSE(records[3].unicodeOnly);
    EXPECT_TRUE(records[4].unicodeOnly);
}

TEST(CharsetCharacterTable, IndexFindsBothCasesAndLaterLinesWin) {
    const CharacterTable table = Load(
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

TEST(CharsetCharacterTable, ReloadDropsCodesNoLongerNamed) {
    CharacterTable table = Load("00e9;00c9;x;3;e with acute");
    table.assign(ParseCharacterRecords("00e8;00c8;x;4;e with grave", AnsiTable(kWestern)));
    EXPECT_EQ(table.find(0xE9), nullptr);
    ASSERT_NE(table.find(0xC8), nullptr);
    EXPECT_EQ(table.find(0xC8)->name, "e with grave");
}

TEST(CharsetCharacterTable, EmptyFileGivesAnEmptyTable) {
    const CharacterTable table = Load("");
    EXPECT_EQ(table.size(), 0u);
    EXPECT_EQ(table.find(u'a'), nullptr);
}

TEST(CharsetGroups, SecondFieldIsTheNameAndLinesKeepTheirNumbers) {
    const auto names = ParseGroupNames("1;with acute;x\r\n2;with grave\r\nbroken\r\n4;currency");
    EXPECT_EQ(names, (std::vector<std::string>{"with acute", "with grave", "", "currency"}));
    EXPECT_TRUE(ParseGroupNames("").empty());
}

TEST(CharsetGroups, AtMost1001LinesAreRead) {
    std::string text;
    for (int i = 1; i <= 1005; ++i) text += std::to_string(i) + ";type " + std::to_string(i) + "\r\n";
    const auto names = ParseGroupNames(text);
    ASSERT_EQ(names.size(), kMaxGroups);
    EXPECT_EQ(names.back(), "type 1001");
}

}  // namespace
}  // namespace kz
