#include <gtest/gtest.h>

#include <stdexcept>

#include "character_naming.h"
#include "language_names.h"
#include "small_ucd.h"

namespace datagen {
namespace {

TEST(CharacterNames, DropTheScriptPrefixAndReadAsLowerCase) {
    const Ucd ucd = testing::smallUcd();
    const std::pair<char32_t, const char*> cases[] = {{0x00E9, "e with acute"}, {0x00DF, "sharp s"},
                                                      {0x00E6, "ae ligature"},  {0x0153, "oe ligature"},
                                                      {0x01E3, "ae with macron"}, {0x20AC, "euro sign"}};
    for (const auto& [code, name] : cases) EXPECT_EQ(readableName(code, ucd), name);
    EXPECT_THROW(readableName(0xE000, ucd), std::runtime_error);
}

TEST(CharacterTypes, FileALetterUnderItsLastNamedMark) {
    EXPECT_EQ(markType("e with acute"), "with acute");
    EXPECT_EQ(markType("a with circumflex and acute"), "with acute");
    EXPECT_EQ(markType("o with ring above"), "with ring above");
    EXPECT_EQ(markType("sharp s"), "");
}

TEST(LanguageNames, BecomeAsciiInProperCase) {
    const Ucd ucd = testing::smallUcd();
    EXPECT_EQ(asciiLanguageName("Norwegian Bokm\u00e5l", ucd), "Norwegian Bokmal");
    EXPECT_EQ(asciiLanguageName("swiss GERMAN", ucd), "Swiss German");
    EXPECT_EQ(asciiLanguageName("jola-fonyi", ucd), "Jola-Fonyi");
    EXPECT_EQ(asciiLanguageName("Meta\u02bb", ucd), "Meta'");
}

TEST(LanguageNames, RejectWhatTheDataFormatsReserveOrAnsiCannotHold) {
    const Ucd ucd = testing::smallUcd();
    for (const std::string bad : {"", "!Bang", "Semi;colon", "Brace{", "Euro \u20ac", "Open \u0254"})
        EXPECT_THROW(asciiLanguageName(bad, ucd), std::runtime_error) << bad;
}

}  // namespace
}  // namespace datagen
