#pragma once
// UTF-8 <-> code points and UTF-16, the conversions between the program's text (UTF-8)
// and the 16-bit character codes of the data files. Malformed UTF-8 reads as U+FFFD one
// byte at a time, so no input stops a reader.
#include <cstddef>
#include <string>
#include <string_view>

namespace kz::utf8 {

inline constexpr char32_t kReplacement = 0xFFFD;

// The code point starting at `pos` and the position just after it. `pos` < text.size().
char32_t Decode(std::string_view text, std::size_t& pos);

void Append(std::string& out, char32_t codePoint);
std::string FromCodePoint(char32_t codePoint);
// A lone surrogate becomes U+FFFD.
std::string FromUtf16(std::u16string_view text);
// Code points above U+FFFF become surrogate pairs.
std::u16string ToUtf16(std::string_view text);

}  // namespace kz::utf8
