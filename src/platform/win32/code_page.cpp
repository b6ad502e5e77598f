#include "platform/win32/code_page.h"

#include <windows.h>

#include <climits>

namespace kz::win32 {

std::u16string SystemCodePage::decode(std::string_view bytes) const {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX)) return {};
    const int length = static_cast<int>(bytes.size());
    const int needed = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    if (needed <= 0) return {};
    std::u16string text(static_cast<std::size_t>(needed), u'\0');
    const int written = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length,
                                            reinterpret_cast<wchar_t*>(text.data()), needed);
    text.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
    return text;
}

std::optional<char16_t> SystemCodePage::decodeByte(std::uint8_t b) const {
    const char byte = static_cast<char>(b);
    wchar_t character = 0;
    // A lead byte of a double-byte code page is no character on its own: the flag makes
    // the call fail instead of answering with the default character.
    if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &byte, 1, &character, 1) != 1) {
        return std::nullopt;
    }
    return static_cast<char16_t>(character);
}

std::uint8_t SystemCodePage::lowerByte(std::uint8_t b) const {
    const std::optional<char16_t> character = decodeByte(b);
    if (!character) return b;
    wchar_t lower = static_cast<wchar_t>(*character);
    CharLowerBuffW(&lower, 1);
    char out[2] = {};
    BOOL usedDefault = FALSE;
    if (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &lower, 1, out, sizeof out, nullptr, &usedDefault) != 1 ||
        usedDefault) {
        return b;
    }
    return static_cast<std::uint8_t>(out[0]);
}

}  // namespace kz::win32
