#pragma once
// `ReadTextFile`: the one way the program reads its data files. The bytes are decoded
// with the system's ANSI code page; a file saved as UTF-16 (it starts with the two
// characters that a byte order mark decodes to) loses the mark and every NUL, so a
// UTF-16 file whose characters are all below 256 reads like its ANSI twin; one trailing
// CR LF is dropped. Text comes back as UTF-8.
#include <string>
#include <string_view>

#include "platform/code_page.h"

namespace kz {

// The decoding alone, a pure function of the file's bytes.
std::string DecodeTextFile(std::string_view bytes, const platform::CodePage& codePage);

// Never fails: a missing or unreadable file gives empty text.
std::string ReadTextFile(const std::string& path, const platform::CodePage& codePage);

}  // namespace kz
