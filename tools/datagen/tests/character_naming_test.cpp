#include <gtest/gtest.h>

#include <stdexcept>

#include "character_naming.h"
#include "language_names.h"
#include "small_ucd.h"

namespace datagen {
namespace {

TEST(CharacterNames, DropTheScriptPrefixAndReadAsLowerCase) {
    const Ucd ucd = testing::smallUcd();
    EXPECT_EQ(readableName(0x00E9, ucd), "e with acute");
    EXPECT_EQ(readableName(0x00DF, ucd), "sharp s");
    EXPECT_EQ(readableName(0x00E6, ucd), "ae ligature");
    EXPECT_EQ(readableName(0x0153, ucd), "oe ligature");
    EXPECT_EQ(readableName(0x01E3, ucd), "ae with macron");
    EXPECT_EQ(readableName(0x20AC, ucd), "euro sign");
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
