// The data files we ship, read through the program's own readers.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "charset/character_file.h"
#include "charset/data_files.h"
#include "charset/group_file.h"
#include "charset/key_table_builder.h"
#include "charset/language_body.h"
#include "charset/language_lookup.h"
#include "charset/language_order.h"
#include "charset/letter_case.h"
#include "charset/text_file.h"
#include "charset/text_split.h"
#include "platform/sim/code_page.h"
#include "platform/sim/sim_input.h"
#include "platform/sim/sim_registry.h"

namespace kz {
namespace {

struct ShippedRecord {
    std::string name;
    std::string body;  // CR LF lines, as the lookup returns it
};

// data.dat split into its records the plain way: name "{" body "}", one after another.
std::vector<ShippedRecord> SplitRecords(std::string_view data) {
    std::vector<ShippedRecord> records;
    while (true) {
        const std::size_t open = data.find('{');
        const std::size_t close = data.find('}', open);
        if (open == std::string_view::npos || close == std::string_view::npos) break;
        std::string_view name = data.substr(0, open);
        while (!name.empty() && (name.front() == '\r' || name.front() == '\n')) name.remove_prefix(1);
        records.push_back({std::string(name), std::string(data.substr(open + 1, close - open - 1))});
        data.remove_prefix(close + 1);
    }
    return records;
}

class CharsetShippedData : public ::testing::Test {
protected:
    const std::filesystem::path folder = ZAVORA_DATA_DIR;
    sim::Windows1252CodePage codePage;
    sim::SimRegistry registry;  // empty: no user languages, no order setting
    SettingsStore store{registry};
    std::string data;
    std::string order;

    void SetUp() override {
        data = ReadTextFile(data_files::In(folder, data_files::kLanguages), codePage);
        order = ReadDefaultOrder(folder, codePage);
    }
};

TEST_F(CharsetShippedData, EveryCharacterLineAndTypeLineIsWellFormed) {
    const std::string text = ReadTextFile(data_files::In(folder, data_files::kCharacters), codePage);
    const auto lines = SplitText(text, "\r\n");
    const auto records = ParseCharacterRecords(text, AnsiTable(codePage));
    ASSERT_GT(records.size(), 100u);
    EXPECT_EQ(records.size(), lines.size()) << "a line of characters.dat was skipped";

    const auto groups = LoadGroupNames(folder, codePage);
    ASSERT_GT(groups.size(), 5u);
    for (const auto& name : groups) EXPECT_FALSE(name.empty());
    std::set<char16_t> codes;
    for (const auto& record : records) {
        EXPECT_TRUE(codes.insert(record.code).second) << "code named twice: " << int(record.code);
        EXPECT_GE(record.typeNumber, 1) << record.name;
        EXPECT_LE(record.typeNumber, static_cast<int>(groups.size())) << record.name;
        EXPECT_FALSE(record.name.empty());
        // Names are plain ASCII so they survive every code page.
        for (char c : record.name) EXPECT_TRUE(c > 31 && c < 127) << record.name;
    }
}

TEST_F(CharsetShippedData, AccentSymbolsFindTheirMarksInTheNames) {
    CharacterTable table;
    LoadCharacterTable(table, folder, codePage);
    for (std::string_view mark : {"with acute", "with cedilla", "with diaeresis", "with grave", "with tilde",
                                  "with circumflex", "with dot above", "with macron", "with stroke"}) {
        bool found = false;
        for (const auto& record : table.records()) found = found || record.name.find(mark) != std::string::npos;
        EXPECT_TRUE(found) << mark;
    }
}

TEST_F(CharsetShippedData, OrderNamesEveryRecordOnceAndEachNameFindsItsOwnBody) {
    const auto records = SplitRecords(data);
    const auto entries = ParseLanguageOrder(order);
    ASSERT_GE(records.size(), 60u);
    ASSERT_EQ(entries.size(), records.size());
    std::set<std::string> seen;
    for (const auto& entry : entries) {
        EXPECT_TRUE(seen.insert(ToLowerText(entry.name)).second) << "named twice: " << entry.name;
    }
    for (const auto& record : records) {
        EXPECT_TRUE(seen.count(ToLowerText(record.name))) << record.name << " is not in order.dat";
        // The lookup takes the first place the name occurs: it must be its own record.
        EXPECT_EQ(LookupLanguage(store, record.name, data, true), record.body) << record.name;
        EXPECT_FALSE(ReadLanguageBody(record.body, AnsiTable(codePage)).empty()) << record.name;
    }
    const auto enabled = std::ranges::count_if(entries, [](const auto& e) { return e.enabled; });
    EXPECT_GE(enabled, 1);
    EXPECT_LT(static_cast<std::size_t>(enabled), entries.size());
}

TEST_F(CharsetShippedData, EveryOfferedCharacterHasARecordAndEveryKeyAnAnsiCode) {
    CharacterTable table;
    LoadCharacterTable(table, folder, codePage);
    const AnsiTable ansi(codePage);
    for (const auto& record : SplitRecords(data)) {
        const auto lines = ReadLanguageBody(record.body, ansi);
        // Every line was read: no key character outside the code page.
        EXPECT_EQ(lines.size(), SplitText(record.body, "\r\n").size()) << record.name;
        for (const auto& line : lines) {
            for (char16_t c : line.characters) {
                EXPECT_NE(table.find(c), nullptr) << record.name << " offers U+" << std::hex << int(c);
            }
        }
    }
}

TEST_F(CharsetShippedData, AllLanguagesEnabledBuildWithoutRepeats) {
    std::string everything;
    for (const auto& entry : ParseLanguageOrder(order)) everything += entry.name + ";";
    store.write(Scope::PerUser, "Zavora", "Languages", everything);
    sim::SimInput keyboard(sim::UkLayout());
    CharacterTable characters;
    const KeyTable table = BuildKeyTable({store, codePage, keyboard, folder}, characters);
    EXPECT_EQ(table['4'].front(), kEuroSign);
    EXPECT_EQ(table[' '].front(), u' ');
    std::size_t offered = 0;
    for (std::size_t key = 0; key < table.size(); ++key) {
        const std::set<char16_t> distinct(table[key].begin(), table[key].end());
        EXPECT_EQ(distinct.size(), table[key].size()) << "key " << key;
        offered += table[key].size();
    }
    EXPECT_GT(offered, 200u);
    EXPECT_GT(table['e'].size(), 10u);
}

}  // namespace
}  // namespace kz
