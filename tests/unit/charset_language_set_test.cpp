// Languages by name, user languages, the order setting and the merge into the key table.
#include <gtest/gtest.h>

#include "charset/key_table_builder.h"
#include "charset/language_lookup.h"
#include "charset/language_order.h"
#include "charset/text_file.h"
#include "charset/user_languages.h"
#include "charset_test_folder.h"
#include "platform/sim/code_page.h"
#include "platform/sim/sim_input.h"
#include "platform/sim/sim_registry.h"
#include "settings/settings_store.h"

namespace kz {
namespace {

using platform::Scope;
using platform::ValueType;

constexpr std::string_view kUserLanguagesKey = "Software\\Kelvra\\Zavora\\Languages";

class CharsetLanguageSet : public ::testing::Test {
protected:
    sim::SimRegistry registry;
    SettingsStore store{registry};
    sim::Windows1252CodePage codePage;
    sim::SimInput keyboard;
    testing::DataFolder folder;
    CharacterTable characters;

    void SetUp() override {
        folder.write("data.dat",
                     "Built-in languages\r\n"
                     "French{e 00E900E800EA00EB;;c 00E7}\r\n"
                     "German{a 00E4\r\no 00F6\r\ns 00DF\r\nu 00FC}\r\n"
                     "Swiss German{a 00E4\r\no 00F6\r\nu 00FC}\r\n"
                     "Esperanto{c 0109;;s 015D;;u 016D}\r\n"
                     "Spanish{E 00E9;;n 00F1;;a 00E1}\r\n"
                     "Portuguese{e 00EA00E9;;a 00E300E1}\r\n");
        folder.write("order.dat", "French;German;!Esperanto");
        folder.write("characters.dat", "00e9;00c9;x;1;e with acute\r\n0109;0108;x;2;c with circumflex");
    }
    void setOrder(std::string_view order) { store.write(Scope::PerUser, "Zavora", "Languages", order); }
    void setUserLanguage(std::string_view name, std::string_view body) {
        registry.writeString(Scope::MachineWide, kUserLanguagesKey, name, body);
    }
    KeyTable build() { return BuildKeyTable({store, codePage, keyboard, folder.path()}, characters); }
    std::string lookup(std::string_view name, bool builtInOnly = false) {
        return LookupLanguage(store, name, ReadTextFile(folder.path() / "data.dat", codePage), builtInOnly);
    }
};

// Only a whole record name at a line start finds a record, in any letter case; its ";;"
// pairs become line breaks.
TEST_F(CharsetLanguageSet, OnlyAWholeRecordNameAtALineStartFindsTheRecordUnlessAUserValueReplacesIt) {
    EXPECT_EQ(lookup("FRENCH"), "e 00E900E800EA00EB\r\nc 00E7");
    EXPECT_EQ(lookup("Swiss German"), "a 00E4\r\no 00F6\r\nu 00FC");
    for (const char* part : {"Man", "erman", "Swiss", "languages", "Built-in", "Klingon", ""}) {
        EXPECT_EQ(lookup(part), "") << part;
    }
    struct Case { const char* name; const char* data; const char* body; };
    const Case cases[] = {
        {"German", "Swiss German{a 00E4}\r\nGerman{s 00DF}", "s 00DF"},
        {"German", "Swiss German{a 00E4}German{s 00DF}", ""},  // not at a line start
        {"Latin", "X{a 00E1}\nLatin{e 0113}", "e 0113"},       // a bare LF ends a line too
        {"Latin", "Latin {e 0113}", ""},                       // the brace must follow at once
        {"Latin", "Latin e 0113", ""},
        {"Latin", "Latin{e 0113", ""},
        {"Latin", "Latin{}", ""},
        {"ÉIRE", "Éire{a 00E1}", "a 00E1"},  // non-ASCII case too
    };
    for (const auto& [name, data, body] : cases) EXPECT_EQ(FindBuiltInLanguage(name, data), body) << data;

    // A user value replaces the built-in body until deleted; one that is no string, or
    // empty, counts as absent.
    setUserLanguage("french", "e 0113;;o 014D");
    EXPECT_EQ(lookup("French"), "e 0113\r\no 014D");
    EXPECT_EQ(lookup("French", true), "e 00E900E800EA00EB\r\nc 00E7");
    registry.remove(Scope::MachineWide, kUserLanguagesKey, "french");
    EXPECT_EQ(lookup("French"), "e 00E900E800EA00EB\r\nc 00E7");
    registry.setRaw(Scope::MachineWide, kUserLanguagesKey, "French", {ValueType::Other, "e 0113"});
    EXPECT_EQ(lookup("French"), "e 00E900E800EA00EB\r\nc 00E7");
    setUserLanguage("German", "");
    EXPECT_EQ(lookup("German"), "a 00E4\r\no 00F6\r\ns 00DF\r\nu 00FC");
}

TEST_F(CharsetLanguageSet, UserLanguageNamesAreTrimmedProperCaseStrings) {
    EXPECT_EQ(UserLanguageNames(registry), "");  // no key at all
    setUserLanguage("  old norse ", "a 00E1");
    registry.setRaw(Scope::MachineWide, kUserLanguagesKey, "TOKI PONA", {ValueType::ExpandString, "a 0101"});
    registry.setRaw(Scope::MachineWide, kUserLanguagesKey, "Numbers", {ValueType::Other, "1"});
    setUserLanguage("semi;colon", "a 00E1");
    setUserLanguage("   ", "a 00E1");
    setUserLanguage("élan vital", "a 00E1");
    EXPECT_EQ(UserLanguageNames(registry), "Old Norse;Toki Pona;Élan Vital;");

    // A key deleted while it is read fails at every later index: the list ends there.
    registry.deleteKeyWhileRead(Scope::MachineWide, kUserLanguagesKey, 2);
    EXPECT_EQ(UserLanguageNames(registry), "Old Norse;Toki Pona;");
    EXPECT_EQ(registry.indexesAsked(), 3u);
}

// Enabled languages merge in rank order; a character offered twice keeps its first place;
// names compare without case; upper-case body keys add to the lower-case entry; a user
// value replaces the built-in body. No order setting, or a blank one, means order.dat.
TEST_F(CharsetLanguageSet, EnabledLanguagesMergeIntoTheKeyTable) {
    struct Case { const char* order; char key; CandidateList expected; };
    const Case cases[] = {
        {nullptr, 'e', {0xE9, 0xE8, 0xEA, 0xEB}},
        {nullptr, 's', {0xDF}},  // German; Esperanto's ŝ is disabled
        {nullptr, ' ', {u' '}},  // the all-characters placeholder
        {"   ", 's', {0xDF}},
        {"Esperanto;!German;French", 'c', {0x109, 0xE7}},
        {"Portuguese;French;Spanish;German;Swiss German", 'e', {0xEA, 0xE9, 0xE8, 0xEB}},
        {"Portuguese;French;Spanish;German;Swiss German", 'a', {0xE3, 0xE1, 0xE4}},
        {"KLINGON;GERMAN", 'o', {0xF6}},
        {"Spanish;French", 'e', {0xE9, 0xE8, 0xEA, 0xEB}},
        {"Swiss German;Klingon", 'k', {0x138}},  // a user language of its own
        {"French;Klingon", 'e', {0x113}},        // the user's French
    };
    for (const Case& c : cases) {
        registry.remove(Scope::MachineWide, kUserLanguagesKey, "French");
        if (c.order) setOrder(c.order);
        if (c.order && std::string_view(c.order).find("Klingon") != std::string_view::npos) {
            setUserLanguage("Klingon", "k 0138");
            setUserLanguage("French", "e 0113;;o 014D");
        }
        EXPECT_EQ(build()[static_cast<std::size_t>(c.key)], c.expected) << (c.order ? c.order : "") << " " << c.key;
    }
}

TEST_F(CharsetLanguageSet, EuroSignComesFirstOnKeyFourUnderUkAndUsInternational) {
    folder.write("data.dat", "Symbols{4 00A3002400A5;;e 20AC}");
    setOrder("Symbols");
    EXPECT_EQ(build()['4'], (CandidateList{0xA3, 0x24, 0xA5}));
    keyboard.setLayout(sim::UkLayout());
    EXPECT_EQ(build()['4'], (CandidateList{0x20AC, 0xA3, 0x24, 0xA5}));
    keyboard.setLayout(sim::UsInternationalLayout());
    EXPECT_EQ(build()['e'], CandidateList{0x20AC});
    EXPECT_EQ(build()['4'].front(), kEuroSign);
    EXPECT_TRUE(IsEuroLayout("00000809extra"));
    EXPECT_FALSE(IsEuroLayout("0000080"));
    EXPECT_FALSE(IsEuroLayout("00000409"));

    // Every build reloads the character table; without data files only the placeholder
    // and the euro remain.
    ASSERT_NE(characters.find(0x108), nullptr);
    std::filesystem::remove_all(folder.path());
    const KeyTable table = build();
    EXPECT_EQ(characters.size(), 0u);
    for (std::size_t key = 0; key < table.size(); ++key) {
        CandidateList expected;
        if (key == ' ') expected = {u' '};
        if (key == '4') expected = {kEuroSign};
        EXPECT_EQ(table[key], expected) << key;
    }
}

}  // namespace
}  // namespace kz
