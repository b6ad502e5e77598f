// Reading data files: ANSI decoding, the UTF-16 byte order mark rule, the trailing CR LF.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "charset/text_file.h"
#include "platform/file_bytes.h"
#include "platform/sim/code_page.h"

namespace kz {
namespace {

const sim::Windows1252CodePage kWestern;

std::string Utf16Le(std::string_view ansi) {
    std::string bytes = "\xFF\xFE";
    for (char c : ansi) bytes += {c, '\0'};
    return bytes;
}

std::string Utf16Be(std::string_view ansi) {
    std::string bytes = "\xFE\xFF";
    for (char c : ansi) bytes += {'\0', c};
    return bytes;
}

TEST(CharsetTextFile, AnsiBytesDecodeThroughTheCodePage) {
    // E9 is é, 80 the euro sign and 9C œ in the Western code page.
    EXPECT_EQ(DecodeTextFile("caf\xE9 \x80 \x9C", kWestern), "café € œ");
    EXPECT_EQ(DecodeTextFile("", kWestern), "");
}

TEST(CharsetTextFile, Utf16TwinsOfBothByteOrdersReadLikeTheAnsiFile) {
    const std::string ansi = "00e9;00c9;x;3;e with acute\r\n0151;0150;x;4;o with double acute";
    const std::string expected = DecodeTextFile(ansi, kWestern);
    EXPECT_EQ(DecodeTextFile(Utf16Le(ansi), kWestern), expected);
    // The rule only drops the mark and the NULs, so the big-endian twin reads the same too.
    EXPECT_EQ(DecodeTextFile(Utf16Be(ansi), kWestern), expected);
}

TEST(CharsetTextFile, Utf16CharactersAbove255AreNotRecovered) {
    // ő (U+0151) little-endian is 51 01: without NULs to drop, both bytes stay as ANSI.
    EXPECT_EQ(DecodeTextFile(std::string("\xFF\xFE" "a\0\x51\x01", 6), kWestern), "aQ\x01");
}

TEST(CharsetTextFile, MarkOnlyCountsAtTheStart) {
    EXPECT_EQ(DecodeTextFile(std::string("a\xFF\xFE" "b\0", 5), kWestern),
              std::string("aÿþb\0", 7));
    EXPECT_EQ(DecodeTextFile("\xFF" "a", kWestern), "ÿa");
}

TEST(CharsetTextFile, OneTrailingCrLfIsDropped) {
    EXPECT_EQ(DecodeTextFile("a\r\nb\r\n", kWestern), "a\r\nb");
    EXPECT_EQ(DecodeTextFile("a\r\n\r\n", kWestern), "a\r\n");  // the last line read is empty
    EXPECT_EQ(DecodeTextFile("a\n", kWestern), "a\n");
    EXPECT_EQ(DecodeTextFile(Utf16Le("a\r\n"), kWestern), "a");
}

class CharsetTextFileOnDisk : public ::testing::Test {
protected:
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("charset_text_file_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
    void write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }
};

TEST_F(CharsetTextFileOnDisk, ReadsTheFileAndAMissingFileIsEmpty) {
    write("x.dat", Utf16Le("French{e 00E9}\r\n"));
    EXPECT_EQ(ReadTextFile(dir / "x.dat", kWestern), "French{e 00E9}");
    EXPECT_EQ(ReadTextFile(dir / "missing.dat", kWestern), "");
    EXPECT_EQ(ReadTextFile(dir, kWestern), "");  // a folder is no file
    EXPECT_FALSE(platform::ReadFileBytes(dir / "missing.dat").has_value());
}

TEST_F(CharsetTextFileOnDisk, Utf8FolderNamesOpen) {
    const auto folder = dir / "Zavora é";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "order.dat", std::ios::binary) << "French;!German";
    EXPECT_EQ(ReadTextFile(folder / "order.dat", kWestern), "French;!German");
}

}  // namespace
}  // namespace kz
