#include "unicode_set.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>

namespace datagen {

namespace {

constexpr char32_t kLargestRange = 0x3000;

bool isSpace(char32_t c) { return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r'; }

int hexValue(char32_t c) {
    if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
    if (c >= U'a' && c <= U'f') return static_cast<int>(c - U'a' + 10);
    if (c >= U'A' && c <= U'F') return static_cast<int>(c - U'A' + 10);
    return -1;
}

class SetReader {
public:
    explicit SetReader(std::u32string_view text) : text_(text) {}

    UnicodeSetItems read() {
        trim();
        if (text_.size() < 2 || text_.front() != U'[' || text_.back() != U']')
            fail("a set must be enclosed in [ ]");
        text_ = text_.substr(1, text_.size() - 2);
        if (!text_.empty() && text_.front() == U'^') fail("negated sets are not supported");

        bool canStartRange = false;  // the last item was a single character
        char32_t previous = 0;
        while (skipSpaces()) {
            const char32_t c = text_[pos_];
            if (c == U'[' || c == U'$' || c == U'&' || c == U']') fail("nested sets and operators are not supported");
            if (c == U'-' && canStartRange && hasCharAfterDash()) {
                ++pos_;
                skipSpaces();
                addRange(previous, readChar());
                canStartRange = false;
                continue;
            }
            if (c == U'{') {
                const auto single = readString();
                canStartRange = single.has_value();
                if (single) add(previous = *single);
                continue;
            }
            add(previous = readChar());
            canStartRange = true;
        }
        return items_;
    }

private:
    [[noreturn]] void fail(const std::string& why) const {
        throw std::runtime_error("UnicodeSet: " + why + " (at position " + std::to_string(pos_) + ")");
    }

    void trim() {
        while (!text_.empty() && isSpace(text_.front())) text_.remove_prefix(1);
        while (!text_.empty() && isSpace(text_.back())) text_.remove_suffix(1);
    }

    // True when a character is left after the spaces.
    bool skipSpaces() {
        while (pos_ < text_.size() && isSpace(text_[pos_])) ++pos_;
        return pos_ < text_.size();
    }

    bool hasCharAfterDash() const {
        std::size_t p = pos_ + 1;
        while (p < text_.size() && isSpace(text_[p])) ++p;
        return p < text_.size() && text_[p] != U'{';
    }

    char32_t readChar() {
        if (pos_ >= text_.size()) fail("unexpected end");
        const char32_t c = text_[pos_++];
        return c == U'\\' ? readEscape() : c;
    }

    char32_t readEscape() {
        if (pos_ >= text_.size()) fail("dangling backslash");
        const char32_t kind = text_[pos_++];
        if (kind == U'u') return readHex(4);
        if (kind == U'U') return readHex(8);
        if (kind == U'x') {
            if (pos_ < text_.size() && text_[pos_] == U'{') {
                const std::size_t close = text_.find(U'}', pos_);
                if (close == std::u32string_view::npos) fail("unterminated \\x{");
                ++pos_;
                const char32_t value = readHex(close - pos_);
                ++pos_;
                return value;
            }
            return readHex(2);
        }
        return kind;  // \- \: \[ \\ and friends stand for themselves
    }

    char32_t readHex(std::size_t digits) {
        if (digits == 0 || digits > 8 || pos_ + digits > text_.size()) fail("bad hexadecimal escape");
        char32_t value = 0;
        for (std::size_t i = 0; i < digits; ++i) {
            const int digit = hexValue(text_[pos_++]);
            if (digit < 0) fail("bad hexadecimal digit");
            value = value * 16 + static_cast<char32_t>(digit);
        }
        if (value > 0x10FFFF) fail("code point out of range");
        return value;
    }

    // A string in braces; only a one-character string names a character we can use.
    std::optional<char32_t> readString() {
        ++pos_;
        std::u32string content;
        while (true) {
            if (pos_ >= text_.size()) fail("unterminated {");
            if (text_[pos_] == U'}') break;
            content.push_back(readChar());
        }
        ++pos_;
        if (content.size() == 1) return content.front();
        if (std::find(items_.strings.begin(), items_.strings.end(), content) == items_.strings.end())
            items_.strings.push_back(content);
        return std::nullopt;
    }

    void addRange(char32_t first, char32_t last) {
        if (last < first) fail("reversed range");
        if (last - first > kLargestRange) fail("range too large");
        for (char32_t c = first + 1; c <= last; ++c) add(c);  // first was added already
    }

    void add(char32_t c) {
        if (std::find(items_.chars.begin(), items_.chars.end(), c) == items_.chars.end()) items_.chars.push_back(c);
    }

    std::u32string_view text_;
    std::size_t pos_ = 0;
    UnicodeSetItems items_;
};

}  // namespace

UnicodeSetItems parseUnicodeSet(std::u32string_view text) { return SetReader(text).read(); }

}  // namespace datagen
