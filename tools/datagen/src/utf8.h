// UTF-8 decoding of the Unicode data files, and the little text helpers the generator shares.
#pragma once

#include <string>
#include <string_view>

namespace datagen {

// Decodes UTF-8; throws std::runtime_error on a malformed sequence, because a silently
// mangled exemplar set would put wrong characters into the shipped data.
std::u32string decodeUtf8(std::string_view bytes);

std::string encodeUtf8(std::u32string_view text);

// "U+00E9" style, for error messages.
std::string describeCode(char32_t code);

// Four upper-case hexadecimal digits, the form used in language bodies and characters.dat.
std::string hex4(char32_t code);

std::string toLowerAscii(std::string_view text);

bool isAscii(std::string_view text);

}  // namespace datagen
