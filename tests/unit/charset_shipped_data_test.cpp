// The data files we ship, read through the program's own readers: the generator checks
// what it writes, this checks that the program reads every line of it.
#include <gtest/gtest.h>

#include <set>

#include "charset/character_file.h"
#include "charset/data_files.h"
#include "charset/group_file.h"
#include "charset/language_body.h"
#include "charset/language_lookup.h"
#include "charset/language_order.h"
#include "charset/letter_case.h"
#include "charset/text_file.h"
#include "charset/text_split.h"
#include "platform/sim/code_page.h"
#include "platform/sim/sim_registry.h"

namespace kz {
namespace {

// characters.dat gives a record on every line and groups.dat a name on every line; every
// language of data.dat (split the plain way: name "{" body "}") is in order.dat, found by
// its name, and every line of its body is read.
TEST(CharsetShippedData, EveryLineOfEveryFileIsRead) {
    const std::string folder = ZAVORA_DATA_DIR;
    const sim::Windows1252CodePage codePage;
    const std::string characters = ReadTextFile(data_files::In(folder, data_files::kCharacters), codePage);
    ASSERT_GT(SplitText(characters, "\r\n").size(), 100u);
    EXPECT_EQ(ParseCharacterRecords(characters, AnsiTable(codePage)).size(), SplitText(characters, "\r\n").size());
    for (const auto& name : LoadGroupNames(folder, codePage)) EXPECT_FALSE(name.empty());

    sim::SimRegistry registry;  // empty: no user languages
    const SettingsStore store(registry);
    const std::string data = ReadTextFile(data_files::In(folder, data_files::kLanguages), codePage);
    std::set<std::string> ordered;
    for (const auto& entry : ParseLanguageOrder(ReadDefaultOrder(folder, codePage))) {
        ordered.insert(ToLowerText(entry.name));
    }
    std::size_t languages = 0;
    for (std::string_view rest = data; rest.find('}') != std::string_view::npos; ++languages) {
        const std::size_t open = rest.find('{');
        const std::size_t close = rest.find('}');
        std::string_view name = rest.substr(0, open);
        while (name.starts_with('\r') || name.starts_with('\n')) name.remove_prefix(1);
        const std::string_view body = rest.substr(open + 1, close - open - 1);
        EXPECT_EQ(ordered.count(ToLowerText(name)), 1u) << name << " is not in order.dat";
        const std::string found = LookupLanguage(store, name, data, true);
        EXPECT_EQ(found, body) << name;
        EXPECT_EQ(ReadLanguageBody(found, AnsiTable(codePage)).size(), SplitText(found, "\r\n").size()) << name;
        rest.remove_prefix(close + 1);
    }
    EXPECT_GE(languages, 60u);
    EXPECT_EQ(ordered.size(), languages) << "order.dat names no other language";
}

}  // namespace
}  // namespace kz
