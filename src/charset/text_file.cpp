#include "charset/text_file.h"

#include <algorithm>

#include "charset/utf8.h"
#include "platform/file_bytes.h"

namespace kz {
namespace {

bool StartsWithByteOrderMark(std::u16string_view text, const platform::CodePage& codePage) {
    if (text.size() < 2) return false;
    const auto ff = codePage.decodeByte(0xFF);
    const auto fe = codePage.decodeByte(0xFE);
    if (!ff || !fe) return false;
    return (text[0] == *ff && text[1] == *fe) || (text[0] == *fe && text[1] == *ff);
}

}  // namespace

std::string DecodeTextFile(std::string_view bytes, const platform::CodePage& codePage) {
    std::u16string text = codePage.decode(bytes);
    if (StartsWithByteOrderMark(text, codePage)) {
        text.erase(0, 2);
        std::erase(text, u'\0');
    }
    if (text.ends_with(u"\r\n")) text.resize(text.size() - 2);
    return utf8::FromUtf16(text);
}

std::string ReadTextFile(const std::string& path, const platform::CodePage& codePage) {
    try {
        const auto bytes = platform::ReadFileBytes(path);
        return bytes ? DecodeTextFile(*bytes, codePage) : std::string();
    } catch (...) {
        // Out of memory while decoding a huge file: as unreadable.
        return {};
    }
}

}  // namespace kz
