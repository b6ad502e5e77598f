// Building the language list from the stored order, order.dat, data.dat and the user
// languages, with and without a reset.
#include "options_fixture.h"

namespace kz::options_test {
namespace {

using ::testing::ElementsAre;

class LanguageReload : public OptionsTest {};

TEST_F(LanguageReload, EmptyOrderShowsTheShippedOrderThenUserLanguagesEnabled) {
    addUserLanguage("Klingon", "k 0138");
    page().reloadLanguagesList(false);
    EXPECT_THAT(rowSummary(),
                ElementsAre("French*", "German", "!Spanish", "Czech", "Klingon(user)"));
    EXPECT_EQ(page().rows()[0].tag, "default");
    // The rebuilt list selects its first row, a built-in language.
    EXPECT_TRUE(page().editEnabled());
    EXPECT_FALSE(page().deleteEnabled());
    EXPECT_EQ(view.rowsChangedCount, 1);
}

TEST_F(LanguageReload, StoredOrderComesFirstAndUnnamedLanguagesFollowEnabled) {
    // The shipped languages not named are known names too: they follow as they are
    // written in order.dat, so Spanish stays disabled.
    setLanguages("Czech;!French");
    addUserLanguage("Klingon", "k 0138");
    page().reloadLanguagesList(false);
    EXPECT_THAT(rowSummary(),
                ElementsAre("Czech*", "!French", "German", "!Spanish", "Klingon(user)"));
    EXPECT_EQ(languages(), "Czech;!French") << "a reload without reset writes nothing";
}

TEST_F(LanguageReload, NamesCompareWithoutCaseAndTheFirstFormWins) {
    setLanguages("german;!GERMAN;French;FRENCH;;Czech;Spanish");
    page().reloadLanguagesList(false);
    EXPECT_THAT(rowSummary(), ElementsAre("german*", "French", "Czech", "Spanish"));
}

TEST_F(LanguageReload, NamesWithoutABodyGetNoRow) {
    addUserLanguage("Blank", "   ");         // a user value of blanks only
    addUserLanguage("Empty", "");            // an empty user value and no record
    setLanguages("Klingon;French;Hollow;Blank;Empty; ;German");  // Hollow's record is "{ }"
    page().reloadLanguagesList(false);
    EXPECT_THAT(rowNames(), ElementsAre("French", "German", "Spanish", "Czech"));
}

TEST_F(LanguageReload, UserLanguageNamedLikeABuiltInOneKeepsTheDefaultTag) {
    addUserLanguage("french", "e 00EA");
    addUserLanguage("man", "m 00B5");  // a part of "German" is a name of its own
    page().reloadLanguagesList(false);
    // User names come back in proper case and count as the same language as "French".
    EXPECT_THAT(rowSummary(), ElementsAre("French*", "German", "!Spanish", "Czech", "Man(user)"));
    clickRow(0);
    EXPECT_FALSE(page().deleteEnabled()) << "a changed built-in language cannot be deleted";
    clickRow(4);
    EXPECT_TRUE(page().deleteEnabled());
    EXPECT_TRUE(page().editEnabled());
}

TEST_F(LanguageReload, MissingDataFilesLeaveOnlyUserLanguagesEnabled) {
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

TEST_F(LanguageReload, ResetDropsChangesToBuiltInsAndPutsUserLanguagesLastDisabled) {
    addUserLanguage("French", "e 00EA");   // the user's change to a built-in language
    addUserLanguage("Spanish", "n 00D1");  // also to a disabled one
    addUserLanguage("Klingon", "k 0138");  // a language of the user's own
    setLanguages("Klingon;Czech;!German");
    page().reloadLanguagesList(true);

    EXPECT_FALSE(userLanguage("French").has_value());
    EXPECT_FALSE(userLanguage("Spanish").has_value());
    EXPECT_EQ(userLanguage("Klingon"), "k 0138");
    // Written at once, with the leading ";" and a ";" after every entry.
    EXPECT_EQ(languages(), ";French;German;!Spanish;Czech;!Klingon;");
    EXPECT_THAT(rowSummary(),
                ElementsAre("French*", "German", "!Spanish", "Czech", "!Klingon(user)"));
}

TEST_F(LanguageReload, StoredOrderIsReadAfterAReset) {
    addUserLanguage("Klingon", "k 0138");
    page().reloadLanguagesList(true);
    page().reloadLanguagesList(false);
    // The empty entry the reset wrote at the front is ignored.
    EXPECT_THAT(rowSummary(),
                ElementsAre("French*", "German", "!Spanish", "Czech", "!Klingon(user)"));
}

}  // namespace
}  // namespace kz::options_test
