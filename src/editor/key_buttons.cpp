#include "editor/key_buttons.h"

#include "charset/key_table_builder.h"
#include "charset/letter_case.h"
#include "charset/utf8.h"

namespace kz::editor {
namespace {

constexpr int kKeyPitch = 360;

struct Caption {
    std::string_view caption;
    std::string_view shifted;
};

constexpr std::array<Caption, kKeyCount> kCaptions{{
    {"Q", ""},  {"W", ""},  {"E", ""},    {"R", ""},  {"T", ""},  {"Y", ""},  {"U", ""},
    {"I", ""},  {"O", ""},  {"P", ""},    {"[", "{"}, {"]", "}"}, {"A", ""},  {"S", ""},
    {"D", ""},  {"F", ""},  {"G", ""},    {"H", ""},  {"J", ""},  {"K", ""},  {"L", ""},
    {";", ":"}, {"'", "@"}, {"#", "~"},   {"\\", "|"}, {"Z", ""}, {"X", ""},  {"C", ""},
    {"V", ""},  {"B", ""},  {"N", ""},    {"M", ""},  {",", "<"}, {".", ">"}, {"/", "?"},
    {"1", "!"}, {"2", "\""}, {"3", "£"},  {"4", "$"}, {"5", "%"}, {"6", "^"}, {"7", "&"},
    {"8", "*"}, {"9", "("}, {"0", ")"},   {"-", "_"}, {"=", "+"},
}};

struct Row {
    int top;
    int left;
    std::array<int, 12> keys;
};

constexpr std::array<Row, 4> kRows{{
    {900, 4680, {35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46}},
    {1260, 4740, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
    {1620, 4800, {12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23}},
    {1980, 4680, {24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, -1}},
}};

constexpr int kHashKey = 23;
constexpr int kBackslashKey = 24;
constexpr int kCloseBracketKey = 11;
constexpr int kQuoteKey = 22;
constexpr int kTwoKey = 36;
constexpr int kThreeKey = 37;

}  // namespace

KeyButtons DesignKeyboard() {
    KeyButtons keys;
    for (int i = 0; i < kKeyCount; ++i) {
        keys[i].caption = kCaptions[i].caption;
        keys[i].shiftedCaption = kCaptions[i].shifted;
    }
    for (const Row& row : kRows) {
        int left = row.left;
        for (int index : row.keys) {
            if (index < 0) break;
            keys[index].place = {left, row.top, kKeySize, kKeySize};
            left += kKeyPitch;
        }
    }
    return keys;
}

bool KeepsDesignKeyboard(std::string_view layoutName) {
    // The same test that puts the euro sign first on the key 4.
    return IsEuroLayout(layoutName);
}

void AdaptToLayout(KeyButtons& keys, std::string_view layoutName) {
    if (KeepsDesignKeyboard(layoutName)) return;
    keys[kHashKey].visible = false;
    const platform::TwipsBox& after = keys[kCloseBracketKey].place;
    keys[kBackslashKey].place.left = after.left + after.width;
    keys[kBackslashKey].place.top = after.top;
    // The window loads with the shift state off, so these captions are the hidden ones.
    keys[kTwoKey].shiftedCaption = "@";
    keys[kThreeKey].shiftedCaption = "#";
    keys[kQuoteKey].shiftedCaption = "\"";
}

platform::TwipsBox FrameOver(const platform::TwipsBox& button) {
    return {button.left, button.top, button.width + 15, button.height + 15};
}

std::optional<std::uint8_t> KeyCodeOf(std::string_view caption, const AnsiTable& ansi) {
    if (caption.empty()) return std::nullopt;
    std::size_t pos = 0;
    return ansi.code(ToLowerChar(utf8::Decode(caption, pos)));
}

bool IsBoldSymbol(std::string_view caption) {
    constexpr std::string_view kBoldSymbols = "!/\\|><?';:~][{}=-+_^%\"()*@";
    return caption.size() == 1 && kBoldSymbols.find(caption.front()) != std::string_view::npos;
}

}  // namespace kz::editor
