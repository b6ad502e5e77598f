// The data files we ship, read through the program's own readers: the generator checks
// what it writes, this checks that the program reads all of it the same way.
#include <gtest/gtest.h>

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
        while (name.starts_with('\r') || name.starts_with('\n')) name.remove_prefix(1);
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
};

TEST_F(CharsetShippedData, EveryCharacterLineAndTypeLineIsWellFormed) {
    const std::string text = ReadTextFile(data_files::In(folder, data_files::kCharacters), codePage);
    const auto records = ParseCharacterRecords(text, AnsiTable(codePage));
    ASSERT_GT(records.size(), 100u);
    EXPECT_EQ(records.size(), SplitText(text, "\r\n").size()) << "a line of characters.dat was skipped";
    const auto groups = LoadGroupNames(folder, codePage);
    for (const auto& name : groups) EXPECT_FALSE(name.empty());
    std::set<char16_t> codes;
    for (const auto& record : records) {
        EXPECT_TRUE(codes.insert(record.code).second) << "code named twice: " << int(record.code);
        EXPECT_GE(record.typeNumber, 1) << record.name;
        EXPECT_LE(record.typeNumber, static_cast<int>(groups.size())) << record.name;
        // Names are plain ASCII so they survive every code page.
        EXPECT_FALSE(record.name.empty());
        for (char c : record.name) EXPECT_TRUE(c > 31 && c < 127) << record.name;
    }
}

// order.dat names every record once; each name finds its own body (the lookup takes the
// first place a name occurs), every line of it is read, and every character it offers
// has a record. With all languages enabled no key offers a character twice.
TEST_F(CharsetShippedData, EveryLanguageIsOrderedFoundReadAndBuiltWithoutRepeats) {
    const std::string data = ReadTextFile(data_files::In(folder, data_files::kLanguages), codePage);
    const auto records = SplitRecords(data);
    const auto entries = ParseLanguageOrder(ReadDefaultOrder(folder, codePage));
    ASSERT_GE(records.size(), 60u);
    ASSERT_EQ(entries.size(), records.size());
    std::set<std::string> seen;
    std::string everything;
    for (const auto& entry : entries) {
        EXPECT_TRUE(seen.insert(ToLowerText(entry.name)).second) << "named twice: " << entry.name;
        everything += entry.name + ";";
    }

    CharacterTable characters;
    LoadCharacterTable(characters, folder, codePage);
    for (const auto& record : records) {
        EXPECT_TRUE(seen.count(ToLowerText(record.name))) << record.name << " is not in order.dat";
        EXPECT_EQ(LookupLanguage(store, record.name, data, true), record.body) << record.name;
        const auto lines = ReadLanguageBody(record.body, AnsiTable(codePage));
        EXPECT_EQ(lines.size(), SplitText(record.body, "\r\n").size()) << record.name;
        for (const auto& line : lines) {
            for (char16_t c : line.characters) {
                EXPECT_NE(characters.find(c), nullptr) << record.name << " offers U+" << std::hex << int(c);
            }
        }
    }

    store.write(platform::Scope::PerUser, "Zavora", "Languages", everything);
    sim::SimInput keyboard(sim::UkLayout());
    const KeyTable table = BuildKeyTable({store, codePage, keyboard, folder}, characters);
    for (std::size_t key = 0; key < table.size(); ++key) {
        EXPECT_EQ(std::set<char16_t>(table[key].begin(), table[key].end()).size(), table[key].size()) << key;
    }
}

}  // namespace
}  // namespace kz
