#include "platform/win32/message_box.h"

#include <windows.h>

#include <string>

namespace kz::win32 {
namespace {

std::wstring Utf8ToWide(std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
    return wide;
}

int Show(platform::WindowHandle owner, std::string_view title, std::string_view text,
         UINT style) {
    const std::wstring wideTitle = Utf8ToWide(title);
    const std::wstring wideText = Utf8ToWide(text);
    return MessageBoxW(reinterpret_cast<HWND>(owner), wideText.c_str(), wideTitle.c_str(),
                       style);
}

}  // namespace

bool SystemMessageBoxes::askYesNo(platform::WindowHandle owner, std::string_view title,
                                  std::string_view text) {
    // Without an owner the box could open behind other windows: keep it on top.
    const UINT placement = owner != 0 ? 0u : MB_TOPMOST | MB_SETFOREGROUND;
    return Show(owner, title, text, MB_YESNO | MB_ICONQUESTION | placement) == IDYES;
}

void SystemMessageBoxes::inform(platform::WindowHandle owner, std::string_view title,
                                std::string_view text) {
    const UINT placement = owner != 0 ? 0u : MB_TOPMOST | MB_SETFOREGROUND;
    Show(owner, title, text, MB_OK | MB_ICONINFORMATION | placement);
}

}  // namespace kz::win32
