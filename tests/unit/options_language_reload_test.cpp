// Building the language list from the stored order, order.dat, data.dat and the user
// languages, with and without a reset.
#include "options_fixture.h"

namespace kz::options_test {
namespace {

using ::testing::ElementsAre;

// Rows: the stored order first (names compare without case, the first form wins, names
// without a body get no row), then the shipped order's other languages as order.dat has
// them, then the user's own languages enabled. A user value for a shipped name is that
// language, not one of the user's own; user names come back in proper case.
TEST_F(OptionsTest, TheListFollowsTheStoredOrderThenTheShippedOneThenTheUsersLanguages) {
    struct Case { const char* order; std::vector<std::pair<const char*, const char*>> user;
                  std::vector<std::string> rows; };
    const Case cases[] = {
        {nullptr, {{"Klingon", "k 0138"}}, {"French*", "German", "!Spanish", "Czech", "Klingon(user)"}},
        {"Czech;!French", {{"Klingon", "k 0138"}}, {"Czech*", "!French", "German", "!Spanish", "Klingon(user)"}},
        {"german;!GERMAN;French;FRENCH;;Czech;Spanish", {}, {"german*", "French", "Czech", "Spanish"}},
        {"Klingon;French;Hollow;Blank;Empty; ;German", {{"Blank", "   "}, {"Empty", ""}},
         {"French*", "German", "!Spanish", "Czech"}},
        {nullptr, {{"french", "e 00EA"}, {"man", "m 00B5"}}, {"French*", "German", "!Spanish", "Czech", "Man(user)"}},
    };
    for (const Case& c : cases) {
        const std::string userKey = "Software\\Kelvra\\Zavora\\Languages";
        for (const auto& value : registry.values(Scope::MachineWide, userKey)) {
            registry.remove(Scope::MachineWide, userKey, value.name);
        }
        registry.remove(Scope::PerUser, "Software\\Kelvra\\Zavora", "Languages");
        if (c.order) setLanguages(c.order);
        for (const auto& [name, body] : c.user) addUserLanguage(name, body);
        page().reloadLanguagesList(false);
        EXPECT_EQ(rowSummary(), c.rows) << (c.order ? c.order : "no order");
        EXPECT_EQ(languages(), c.order ? c.order : "<missing>") << "a reload without reset writes nothing";
    }
    // The rebuilt list selects its first row; a changed shipped language cannot be deleted.
    EXPECT_EQ(page().rows()[0].tag, "default");
    EXPECT_TRUE(page().editEnabled());
    EXPECT_FALSE(page().deleteEnabled());
    clickRow(4);
    EXPECT_TRUE(page().deleteEnabled());
}

TEST_F(OptionsTest, MissingDataFilesLeaveOnlyUserLanguagesEnabled) {
    std::filesystem::remove(files.path() / "data.dat");
    page().reloadLanguagesList(false);
    EXPECT_TRUE(page().rows().empty());  // no language at all: nothing to edit or delete
    EXPECT_FALSE(page().editEnabled());
    EXPECT_FALSE(page().deleteEnabled());
    EXPECT_FALSE(page().selectedRow().has_value());

    std::filesystem::remove(files.path() / "order.dat");
    addUserLanguage("Klingon", "k 0138");
    addUserLanguage("Vulcan", "v 0176");
    page().reloadLanguagesList(false);
    EXPECT_THAT(rowSummary(), ElementsAre("Klingon(user)*", "Vulcan(user)"));
    EXPECT_TRUE(page().deleteEnabled());
}

// A reset drops the user's changes to shipped languages, keeps the user's own languages
// last and disabled, and writes the order at once; a later reload reads it back.
TEST_F(OptionsTest, ResetDropsChangesToBuiltInsAndPutsUserLanguagesLastDisabled) {
    addUserLanguage("French", "e 00EA");
    addUserLanguage("Spanish", "n 00D1");
    addUserLanguage("Klingon", "k 0138");
    setLanguages("Klingon;Czech;!German");
    page().reloadLanguagesList(true);
    EXPECT_FALSE(userLanguage("French").has_value());
    EXPECT_FALSE(userLanguage("Spanish").has_value());
    EXPECT_EQ(userLanguage("Klingon"), "k 0138");
    EXPECT_EQ(languages(), ";French;German;!Spanish;Czech;!Klingon;");
    const std::vector<std::string> rows{"French*", "German", "!Spanish", "Czech", "!Klingon(user)"};
    EXPECT_EQ(rowSummary(), rows);
    page().reloadLanguagesList(false);
    EXPECT_EQ(rowSummary(), rows);
}

}  // namespace
}  // namespace kz::options_test
