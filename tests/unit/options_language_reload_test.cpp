// Building the language list from the stored order, order.dat, data.dat and the user
// languages. Restore Default Settings is tested with the other commands.
#include "options_fixture.h"

namespace kz::options_test {
namespace {

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
        for (const auto& value : registry.values(Scope::MachineWide, kUserLanguagesKey)) removeUserLanguage(value.name);
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

}  // namespace
}  // namespace kz::options_test
